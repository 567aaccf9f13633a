#pragma once

#include "store/estratto.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <limits>
#include <memory>
#include <optional>

// What the readers of the single formats share; only store/estratto*.cpp include it.

// A statement comes from outside: past these sizes it is refused, not read.
constexpr qsizetype estrattomassimo = 64 * 1024 * 1024; // bytes of a file, of a zip part, of
                                                        // all the statements of a zip
constexpr qsizetype rigamassima = 64 * 1024;            // characters of one line
constexpr qsizetype colonnemassime = 1000;              // fields of one line
constexpr qsizetype righemassime = 1000000;             // lines of a table
constexpr qsizetype cellemassime = 4000000;             // fields of a whole table
constexpr qsizetype partimassime = 1000;                // files in a zip

// The reason a table past righemassime or cellemassime is refused for.
QString motivotroppo();
// The reasons a text or an XML file is not a statement at all, rather than a damaged one.
QString motivosenzaintestazione();
QString motivoxmlaltro();
// True when the failure says the file is no statement, as a zip may hold beside its statements.
bool nonestratto(const Esito &esito);

enum class Formato { csv, cbi, xml, zip, xls, html, pdf };
// Recognised by the first bytes, whatever the file's extension says.
Formato formatoestratto(const QByteArray &dati);

// The readers of each format; dati is the whole file, nome the file named in a failure. Each
// appends one Estratto per statement it finds, its bank account named when the file does.
Esito leggicbi(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi);
Esito leggicamt(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi);
Esito leggicsv(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi);
// A zip: an XLSX workbook, or an archive whose statement files are read together.
Esito leggizip(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi);

// An Excel 97-2003 workbook: its first worksheet, under the rules of a text export's table.
// motivoxlsaltro() refuses another file of the same container (a Word document, a Thumbs.db).
QString motivoxlsaltro();
Esito leggixls(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi);

struct zip;
// An archive opened over the bytes of dati, which must outlive it; null when it is damaged.
using Archivio = std::unique_ptr<zip, void (*)(zip *)>;
Archivio apriarchivio(const QByteArray &dati);
// A part of an archive worth reading: no folder, nothing hidden or of a Mac's resource forks.
bool partecandidata(const QString &parte);
// Unpacks the part named parte. Refused past estrattomassimo, by its declared size and by what it
// really yields, since the declared size can lie; tipo names the archive in the reasons.
QString partezip(zip *z, const QString &parte, const QString &tipo, QByteArray &out);
// The first sheet of an XLSX workbook already opened.
Esito leggicartellalavoro(zip *z, const QString &nome, QList<Estratto> &pezzi);

// One line of a table (text file or sheet) with its number in the file, for the messages.
struct RigaTabella {
    qsizetype numero = 0;
    QStringList celle;
};

// True when the cells name the columns a statement needs (a date and an amount).
bool intestazioneestratto(const QStringList &celle);

// Finds the header among the first 40 lines by its column names and reads the movements below
// it, the balances stated above it or on lines of their own, and an IBAN written above it.
// serialiexcel: a plain number in a date column is a spreadsheet's day count.
Esito leggitabella(const QList<RigaTabella> &righe, bool serialiexcel, const QString &nome,
                   Estratto &e);

// Sums and differences of amounts from outside, held short of the ends of the range instead of
// overflowing: a file of absurd figures then simply does not add up.
inline qint64 piu(qint64 a, qint64 b)
{
    constexpr qint64 alto = std::numeric_limits<qint64>::max();
    qint64 r = 0;
    return __builtin_add_overflow(a, b, &r) ? (b > 0 ? alto : -alto) : qMax(r, -alto);
}
inline qint64 meno(qint64 a, qint64 b)
{
    return piu(a,
               b == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max() : -b);
}
// Within a cent: banks round their balances to it, an amount may carry more decimals.
inline bool uguale(qint64 a, qint64 b)
{
    return qAbs(meno(a, b)) < 100;
}

// One period of a table (a month, say): its rows of Estratto::righe and the balances the file
// states around them.
struct Periodo {
    qsizetype primo = 0, fine = 0; // the rows [primo, fine)
    std::optional<qint64> apertura, chiusura;
    QDate datachiusura;
    // A balance read from the debit column, whose sign the arithmetic decides.
    bool aperturaincerta = false, chiusuraincerta = false;
};

// The bank's own figures judge the rows read. progressivi holds the running balance the file
// states after each row (none where it states none), in the file's order, newest or oldest
// first. Signs the running balance proves inverted are turned; rows that break its chain, or
// without one every row of a period whose opening plus movements misses its closing, become
// incerta, and e.scarto says by how much. A file that states no balance is left as it is.
void verificaestratto(Estratto &e, const QList<std::optional<qint64>> &progressivi,
                      QList<Periodo> periodi);

// UTF-8 (with or without BOM) when the bytes are valid UTF-8, else Windows-1252.
QString decodificaestratto(const QByteArray &dati);

// An amount as banks write it: "1.500,75", "-1500,75", "€ -43,20", "-1500.75", "(12,00)",
// "12,00-", "4.5E-2". Exact to ten-thousandths; nothing when the text is not an amount.
std::optional<qint64> importoestratto(QString testo);
// The same with a currency's code before or after it ("627,89 EUR", "USD -12"), which goes to
// valuta (empty for euro or none).
std::optional<qint64> importovaluta(const QString &testo, QString &valuta);
// A currency as the file names it: its code in capitals, empty for the euro ("EUR", "Euro",
// "€") and for what is no code.
QString codicevaluta(const QString &testo);

// The year of a two-digit year in a statement: 2000-2069, bank statements being no older.
inline int annoestratto(int anno)
{
    return anno < 70 ? 2000 + anno : 1900 + anno;
}

// A date as banks write it: dd/mm/yyyy, dd/mm/yy, dd.mm.yyyy, dd-mm-yyyy, yyyy-mm-dd, with an
// optional time or time zone after it ("30/12/24, 14:42"), or with the month's Italian name or
// its abbreviation ("24 lug 2024. 02:59:45", "3 gennaio 2024"). Invalid when the text is not a
// date.
QDate dataestratto(const QString &testo);

// The IBAN a text holds ("IBAN: IT60 X054 2811 1010 0000 0123 456"), without blanks; empty when
// it holds none whose check digits are right.
QString ibanin(const QString &testo);

// The kind of movement a CBI causale ("48") or an ISO 20022 transaction family ("RCDT") names;
// empty for a code not known.
QString tipomovimento(const QString &codice);

// "Riga n: motivo", the reason a damaged line is refused for.
QString motivoriga(qsizetype riga, const QString &motivo);
