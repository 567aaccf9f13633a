#include "ledger/importo.h"
#include "store/codepage.h"
#include "store/estrattoformati.h"

#include <QStringDecoder>

QString decodificaestratto(const QByteArray &dati)
{
    QString testo;
    QStringDecoder utf8(QStringDecoder::Utf8);
    // Spreadsheets save "Unicode text" as UTF-16 with its byte-order mark.
    if (dati.startsWith("\xFF\xFE") || dati.startsWith("\xFE\xFF"))
        testo = QStringDecoder(QStringDecoder::Utf16)(dati);
    else if (testo = utf8(dati); utf8.hasError())
        testo = decodificatesto(dati); // Windows-1252, the store's own table on every system
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);
    return testo;
}

QString motivoriga(qsizetype riga, const QString &motivo)
{
    return QStringLiteral("Riga %1: %2").arg(riga).arg(motivo);
}

QString motivotroppo()
{
    return QStringLiteral("troppe righe o colonne per un estratto conto.");
}

namespace {

// "4.5E-2" as plain digits ("0.045"), moving the point rather than going through a double.
std::optional<QString> senzaesponente(QString mantissa, const QString &testoesponente)
{
    bool ok = false;
    const int esponente = testoesponente.toInt(&ok);
    if (!ok || esponente < -30 || esponente > 30)
        return std::nullopt;
    const qsizetype punto = mantissa.indexOf(QLatin1Char('.'));
    qsizetype interi = punto < 0 ? mantissa.size() : punto;
    mantissa.remove(QLatin1Char('.'));
    interi += esponente;
    if (interi <= 0)
        return QStringLiteral("0.") + QString(-interi, QLatin1Char('0')) + mantissa;
    if (interi >= mantissa.size())
        return mantissa + QString(interi - mantissa.size(), QLatin1Char('0'));
    return mantissa.left(interi) + QLatin1Char('.') + mantissa.mid(interi);
}

bool cifra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "1.234.567": a first group of one to three digits, then groups of three after one same mark.
bool raggruppato(QStringView interi, QChar segno)
{
    qsizetype gruppo = 0;
    bool primo = true;
    for (QChar c : interi) {
        if (cifra(c)) {
            ++gruppo;
            continue;
        }
        if (c != segno || gruppo < 1 || gruppo > 3 || (!primo && gruppo != 3))
            return false;
        primo = false;
        gruppo = 0;
    }
    return gruppo >= 1 && (primo || gruppo == 3);
}

// Digits, points and commas: the last mark, when it appears once, is the decimal separator
// ("1.500" is 1.5: a single mark is always decimal), the other groups thousands in threes.
std::optional<QString> conpunto(const QString &t)
{
    const qsizetype ultimo = qMax(t.lastIndexOf(QLatin1Char('.')), t.lastIndexOf(QLatin1Char(',')));
    const bool decimale = ultimo >= 0 && t.count(t[ultimo]) == 1;
    const QString interi = decimale ? t.left(ultimo) : t;
    const QString decimali = decimale ? t.mid(ultimo + 1) : QString();
    const qsizetype primosegno =
        std::find_if(interi.begin(), interi.end(), [](QChar c) { return !cifra(c); }) -
        interi.begin();
    if (interi.isEmpty() || (decimale && decimali.isEmpty()))
        return std::nullopt;
    if (primosegno < interi.size()) {
        const QChar segno = interi[primosegno];
        if ((decimale && segno == t[ultimo]) || !raggruppato(interi, segno))
            return std::nullopt;
    }
    QString out = interi;
    out.remove(QLatin1Char('.')).remove(QLatin1Char(','));
    return decimale ? out + QLatin1Char('.') + decimali : out;
}

// Digits and marks, then an optional exponent of up to three digits ("4.5E-2").
bool numero(const QString &t)
{
    qsizetype i = 0;
    while (i < t.size() && (cifra(t[i]) || t[i] == QLatin1Char('.') || t[i] == QLatin1Char(',')))
        ++i;
    if (i == 0)
        return false;
    if (i == t.size())
        return true;
    if (t[i] != QLatin1Char('e') && t[i] != QLatin1Char('E'))
        return false;
    if (++i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        ++i;
    const qsizetype esponente = t.size() - i;
    return esponente >= 1 && esponente <= 3 && std::all_of(t.begin() + i, t.end(), cifra);
}

} // namespace

std::optional<qint64> importoestratto(QString t)
{
    if (t.size() > 64)
        return std::nullopt;
    t.removeIf([](QChar c) { return c.isSpace() || c == QChar(0x20AC); });
    t.remove(QLatin1String("EUR"), Qt::CaseInsensitive);
    bool negativo = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negativo = true;
        t = t.mid(1, t.size() - 2);
    }
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QChar(0x2212)) ||
        t.startsWith(QLatin1Char('+'))) {
        negativo = negativo || t[0] != QLatin1Char('+');
        t.remove(0, 1);
    } else if (t.endsWith(QLatin1Char('-'))) {
        negativo = true;
        t.chop(1);
    }
    if (!numero(t))
        return std::nullopt;
    const qsizetype e = t.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    std::optional<QString> cifre = conpunto(e < 0 ? t : t.left(e));
    if (cifre && e >= 0)
        cifre = senzaesponente(*cifre, t.mid(e + 1));
    if (!cifre)
        return std::nullopt;
    const Importo i = leggiimporto(*cifre);
    if (i.fuoriscala)
        return std::nullopt;
    return negativo ? -i.valore : i.valore;
}

QDate dataestratto(const QString &testo)
{
    const QStringView t = QStringView(testo).trimmed();
    int n[3] = {}, cifre[3] = {};
    QChar segno[2];
    qsizetype i = 0;
    for (int k = 0; k < 3; ++k) {
        for (; i < t.size() && cifra(t[i]) && cifre[k] < 5; ++i, ++cifre[k])
            n[k] = n[k] * 10 + (t[i].unicode() - '0');
        if (cifre[k] == 0 || (k < 2 && i == t.size()))
            return {};
        if (k < 2)
            segno[k] = t[i++];
    }
    const QStringView resto = t.mid(i);
    if (cifre[0] == 4) { // yyyy-mm-dd, maybe with a time or a zone after it
        if (segno[0] != QLatin1Char('-') || segno[1] != QLatin1Char('-') || cifre[1] > 2 ||
            cifre[2] > 2 || (!resto.isEmpty() && !QStringView(u"T +-Z").contains(resto[0])))
            return {};
        return QDate(n[0], n[1], n[2]);
    }
    if (cifre[0] > 2 || cifre[1] > 2 || segno[0] != segno[1] ||
        !QStringView(u"/.-").contains(segno[0]) || (cifre[2] != 2 && cifre[2] != 4) ||
        (!resto.isEmpty() && resto[0] != QLatin1Char(' ')))
        return {};
    return QDate(cifre[2] == 2 ? annoestratto(n[2]) : n[2], n[1], n[0]);
}
