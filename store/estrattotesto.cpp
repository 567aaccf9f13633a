#include "ledger/importo.h"
#include "store/codepage.h"
#include "store/estrattoformati.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

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

QString motivosenzaintestazione()
{
    return QStringLiteral("Nelle prime 40 righe non c'è l'intestazione delle colonne (data e "
                          "importo).");
}

QString motivoxmlaltro()
{
    return QStringLiteral("Il file XML non è un estratto conto camt.053 o CBI.");
}

bool nonestratto(const Esito &esito)
{
    return esito.motivo == motivosenzaintestazione() || esito.motivo == motivoxmlaltro() ||
           esito.motivo == motivoxlsaltro();
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

std::optional<qint64> importovaluta(const QString &testo, QString &valuta)
{
    static const QRegularExpression codice(
        QStringLiteral("^\\s*([A-Za-z]{3})\\b|\\b([A-Za-z]{3})\\s*$"));
    valuta.clear();
    // Most amounts have no letter at all: told without the cost of the expression.
    if (std::none_of(testo.begin(), testo.end(), [](QChar c) { return c.isLetter(); }))
        return importoestratto(testo);
    const QRegularExpressionMatch m = codice.match(testo);
    if (!m.hasMatch())
        return importoestratto(testo);
    valuta = codicevaluta(m.captured(1) + m.captured(2));
    QString resto = testo;
    return importoestratto(resto.remove(m.capturedStart(), m.capturedLength()));
}

QString codicevaluta(const QString &testo)
{
    const QString t = testo.trimmed().toUpper();
    // Card issuers write the numeric code: 978 is the euro, any other another currency.
    if (t.size() == 3 && std::all_of(t.begin(), t.end(), cifra))
        return t == QLatin1String("978") ? QString() : t;
    if (t.size() != 3 || t == QLatin1String("EUR") ||
        !std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; }))
        return {};
    return t;
}

QString ibanin(const QString &testo)
{
    static const QRegularExpression forma(
        QStringLiteral("\\b([A-Z]{2}[0-9]{2}(?:[A-Z0-9]{11,30}|(?: [A-Z0-9]{4}){2,7}"
                       "(?: [A-Z0-9]{1,4})?))\\b"));
    for (auto i = forma.globalMatch(testo.toUpper()); i.hasNext();) {
        QString iban = i.next().captured(1).remove(QLatin1Char(' '));
        // Check digits: the first four characters moved to the end, letters as 10-35, mod 97.
        int resto = 0;
        for (QChar c : iban.mid(4) + iban.left(4)) {
            const int v = c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10;
            resto = (resto * (v < 10 ? 10 : 100) + v) % 97;
        }
        if (resto == 1)
            return iban;
    }
    return {};
}

QString tipomovimento(const QString &codice)
{
    static const QHash<QString, QString> tipi{
        {"48", "Bonifico a vostro favore"}, {"26", "Bonifico disposto"},
        {"16", "Commissioni e spese"},      {"13", "Assegno"},
        {"Z1", "Giroconto cash pooling"},   {"Z2", "Versamento da cassa continua"},
        {"RCDT", "Bonifico ricevuto"},      {"ICDT", "Bonifico disposto"},
        {"RDDT", "Addebito diretto"},       {"IDDT", "Incasso SDD"},
        {"CCRD", "Pagamento con carta"},    {"CHRG", "Commissioni e spese"},
    };
    return tipi.value(codice);
}

namespace {

// "24 lug 2024. 02:59:45", "3 gennaio 2024", "12-mar-26": the month named by a prefix of its
// Italian name.
QDate datamese(QStringView t)
{
    static const QRegularExpression forma(QStringLiteral(
        "^(\\d{1,2})[ .-]+([A-Za-z]{3,9})\\.?[ .-]+(\\d{4}|\\d{2})(?:[.,]?(?:\\s.*)?)$"));
    const QRegularExpressionMatch m = forma.match(t.toString());
    if (!m.hasMatch())
        return {};
    static const QString mesi[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                   "maggio",    "giugno",   "luglio",   "agosto",
                                   "settembre", "ottobre",  "novembre", "dicembre"};
    const QString mese = m.captured(2).toLower();
    const int anno = m.captured(3).toInt(); // "12-mar-26" as a spreadsheet writes it
    for (int i = 0; i < 12; ++i)
        if (mesi[i].startsWith(mese))
            return QDate(m.captured(3).size() == 2 ? annoestratto(anno) : anno, i + 1,
                         m.captured(1).toInt());
    return {};
}

QDate datacifre(QStringView t)
{
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
        (!resto.isEmpty() && resto[0] != QLatin1Char(' ') && resto[0] != QLatin1Char(',')))
        return {};
    return QDate(cifre[2] == 2 ? annoestratto(n[2]) : n[2], n[1], n[0]);
}

} // namespace

QDate dataestratto(const QString &testo)
{
    const QStringView t = QStringView(testo).trimmed();
    const QDate d = datacifre(t);
    if (d.isValid() || std::none_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); }))
        return d;
    return datamese(t);
}
