#include "store/quadrature.h"

#include "store/codepage.h"
#include "store/filemese.h"
#include "store/filerecord.h"

#include <QHashFunctions>
#include <QtEndian>

namespace {

using quadrature::dimensione;

// The two kinds of record.
constexpr qint16 estratto = 1;
constexpr qint16 conferma = 2;

FileRecord filequadrature(const QString &percorso)
{
    return FileRecord(percorsoquadrature(percorso), dimensione, Mancante::Vuoto);
}

// The fields every record has: kind, company, account and a date.
QByteArray testata(qint16 tipo, qint16 ditta, qint16 conto, int anno, int mese, int giorno)
{
    QByteArray r(dimensione, '\0');
    char *p = r.data();
    qToLittleEndian<qint16>(tipo, p);
    qToLittleEndian<qint16>(ditta, p + 2);
    qToLittleEndian<qint16>(conto, p + 4);
    qToLittleEndian<qint16>(qint16(anno), p + 6);
    qToLittleEndian<qint16>(qint16(mese), p + 8);
    qToLittleEndian<qint16>(qint16(giorno), p + 10);
    codificacampo(QString(), p + 26, quadrature::larghezzabanca);
    return r;
}

QByteArray recordestratto(qint16 ditta, qint16 conto, const EstrattoTenuto &e)
{
    QByteArray r = testata(estratto, ditta, conto, e.data.year(), e.data.month(), e.data.day());
    char *p = r.data();
    qToLittleEndian<qint16>(e.saldo ? -1 : 0, p + 16);
    qToLittleEndian<qint64>(e.saldo.value_or(0), p + 18);
    codificacampo(e.banca, p + 26, quadrature::larghezzabanca);
    return r;
}

QByteArray recordconferma(qint16 ditta, qint16 conto, const Conferma &c)
{
    QByteArray r = testata(conferma, ditta, conto, c.anno, c.mese, c.giorno);
    char *p = r.data();
    qToLittleEndian<qint32>(c.numero, p + 12);
    qToLittleEndian<qint16>(c.segno, p + 16);
    qToLittleEndian<qint64>(c.importo, p + 18);
    return r;
}

qint16 campo16(const char *r, int posizione)
{
    return qFromLittleEndian<qint16>(r + posizione);
}

// Adds one record of the account to what is kept; a damaged one adds nothing.
void leggirecord(const char *r, Conferme &c)
{
    const QDate data(campo16(r, 6), campo16(r, 8), campo16(r, 10));
    const qint16 segno = campo16(r, 16);
    const qint64 importo = qFromLittleEndian<qint64>(r + 18);
    if (!data.isValid() || data.year() < 2000 || data.year() > 2099) // no month file of its year
        return;
    if (campo16(r, 0) == estratto && (segno == 0 || segno == -1)) {
        c.estratti.append({decodificatesto(r + 26, quadrature::larghezzabanca), data,
                           segno ? std::optional<qint64>(importo) : std::nullopt});
        if (c.estratto && c.estratto->data > data)
            return; // an older statement imported late
        c.estratto = c.estratti.last();
    } else if (campo16(r, 0) == conferma && (segno == 0 || segno == 1) && importo >= 0) {
        const qint32 numero = qFromLittleEndian<qint32>(r + 12);
        if (numero >= 1)
            c.confermate.insert(
                {data.year(), qint16(data.month()), numero, qint16(data.day()), segno, importo});
    }
}

} // namespace

size_t qHash(const Conferma &c, size_t seme)
{
    return qHashMulti(seme, c.anno, c.mese, c.numero, c.giorno, c.segno, c.importo);
}

QString percorsoquadrature(const QString &percorso)
{
    return cartelladati(percorso) + QStringLiteral("\\quadrature");
}

Esito registraestratto(const QString &percorso, qint16 ditta, qint16 conto, const QString &banca,
                       const QDate &data, std::optional<qint64> saldo,
                       const QList<Conferma> &confermate)
{
    QByteArray record;
    record.reserve((confermate.size() + 1) * dimensione);
    for (const Conferma &c : confermate)
        record += recordconferma(ditta, conto, c);
    if (data.isValid())
        record += recordestratto(ditta, conto, {banca, data, saldo});
    if (record.isEmpty())
        return {};
    return filequadrature(percorso).aggiungi(record);
}

Esito registraconferme(const QString &percorso, qint16 ditta, qint16 conto,
                       const QList<Conferma> &confermate)
{
    return registraestratto(percorso, ditta, conto, QString(), QDate(), std::nullopt, confermate);
}

Esito leggiconferme(const QString &percorso, qint16 ditta, qint16 conto, Conferme &c)
{
    c = Conferme();
    const Esito e = filequadrature(percorso).leggiablocchi([&](const char *r, qsizetype n) {
        for (; n > 0; --n, r += dimensione)
            if (campo16(r, 2) == ditta && campo16(r, 4) == conto)
                leggirecord(r, c);
    });
    if (!e)
        c = Conferme(); // half of what is kept would look like all of it
    return e;
}
