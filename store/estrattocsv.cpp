#include "store/estrattoformati.h"

namespace {

struct Linea {
    qsizetype numero;
    QString testo;
};

// Where a field may begin: after a separator of any kind or a line's end.
inline bool separa(char16_t c)
{
    return c == u';' || c == u',' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The lines of the text; a line break between double quotes belongs to its field. As RFC 4180
// has it, a quote opens a quoted field only at the field's start ("Monitor 27\"" is a text),
// and a doubled quote inside one is a quote.
Esito linee(const QString &testo, const QString &nome, QList<Linea> &out)
{
    qsizetype numero = 1;
    qsizetype inizio = 0;
    bool virgolette = false, apribile = true;
    for (qsizetype i = 0; i <= testo.size(); ++i) {
        const QChar c = i < testo.size() ? testo[i] : QChar(u'\n');
        if (virgolette && c == QLatin1Char('"')) {
            if (i + 1 < testo.size() && testo[i + 1] == QLatin1Char('"'))
                ++i;
            else
                virgolette = false;
        } else if (!virgolette && c == QLatin1Char('"') && apribile) {
            virgolette = true;
        }
        if (!virgolette)
            apribile = separa(c.unicode()) || (apribile && c == QLatin1Char(' '));
        const bool fine = i == testo.size() ||
                          (!virgolette && (c == QLatin1Char('\n') || c == QLatin1Char('\r')));
        if (!fine) {
            if (i - inizio > rigamassima)
                return Esito::fallito(nome,
                                      motivoriga(numero, QStringLiteral("riga troppo lunga.")));
            continue;
        }
        if (i > inizio) // blank lines carry nothing; kept out, so they cost no memory
            out.append({numero, testo.mid(inizio, i - inizio)});
        if (out.size() > righemassime)
            return Esito::fallito(nome, motivoriga(numero, motivotroppo()));
        for (qsizetype j = inizio; j < i; ++j)
            numero += testo[j] == QLatin1Char('\n') ? 1 : 0;
        if (c == QLatin1Char('\r') && i + 1 < testo.size() && testo[i + 1] == QLatin1Char('\n'))
            ++i;
        ++numero;
        inizio = i + 1;
    }
    return Esito::riuscito();
}

// The fields of a line: one in double quotes runs to its closing quote, doubled quotes inside
// it being one.
QStringList campi(const QString &linea, QChar separatore)
{
    QStringList out;
    QString campo;
    bool virgolette = false;
    for (qsizetype i = 0; i < linea.size(); ++i) {
        const QChar c = linea[i];
        if (virgolette) {
            if (c != QLatin1Char('"'))
                campo += c;
            else if (i + 1 < linea.size() && linea[i + 1] == QLatin1Char('"'))
                campo += linea[++i];
            else
                virgolette = false;
        } else if (c == QLatin1Char('"') && campo.trimmed().isEmpty()) {
            campo.clear();
            virgolette = true;
        } else if (c == separatore) {
            out.append(campo);
            campo.clear();
        } else {
            campo += c;
        }
    }
    out.append(campo);
    return out;
}

// The separator that turns one of the first 40 lines into a statement header.
QChar separatore(const QList<Linea> &righe)
{
    for (QChar s : {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(',')})
        for (qsizetype i = 0; i < righe.size() && righe[i].numero <= 40; ++i)
            if (righe[i].testo.count(s) < colonnemassime &&
                intestazioneestratto(campi(righe[i].testo, s)))
                return s;
    return QLatin1Char(';');
}

} // namespace

Esito leggicsv(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi)
{
    QList<Linea> testo;
    if (Esito esito = linee(decodificaestratto(dati), nome, testo); !esito)
        return esito;
    const QChar s = separatore(testo);
    QList<RigaTabella> righe;
    righe.reserve(testo.size());
    qsizetype celle = 0;
    for (const Linea &l : testo) {
        // Counted before splitting, so a million separators never become a million fields.
        const qsizetype n = l.testo.count(s) + 1;
        if (n > colonnemassime)
            return Esito::fallito(nome, motivoriga(l.numero, QStringLiteral("troppe colonne.")));
        if ((celle += n) > cellemassime)
            return Esito::fallito(nome, motivoriga(l.numero, motivotroppo()));
        righe.append({l.numero, campi(l.testo, s)});
    }
    Estratto e;
    Esito esito = leggitabella(righe, false, nome, e);
    if (esito)
        pezzi.append(e);
    return esito;
}
