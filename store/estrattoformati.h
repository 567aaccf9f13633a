#pragma once

#include "store/estratto.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the readers of the single formats share; only store/estratto*.cpp include it.

// A statement comes from outside: past these sizes it is refused, not read.
constexpr qsizetype estrattomassimo = 64 * 1024 * 1024; // bytes of a file, or of a zip part
constexpr qsizetype rigamassima = 64 * 1024;            // characters of one line
constexpr qsizetype colonnemassime = 1000;              // fields of one line
constexpr qsizetype righemassime = 1000000;             // lines of a table
constexpr qsizetype cellemassime = 4000000;             // fields of a whole table

// The reason a table past righemassime or cellemassime is refused for.
QString motivotroppo();

// The readers of each format; dati is the whole file, nome the file named in a failure.
Esito leggicbi(const QByteArray &dati, const QString &nome, Estratto &e);
Esito leggicamt(const QByteArray &dati, const QString &nome, Estratto &e);
Esito leggicsv(const QByteArray &dati, const QString &nome, Estratto &e);
Esito leggixlsx(const QByteArray &dati, const QString &nome, Estratto &e);

// One line of a table (text file or sheet) with its number in the file, for the messages.
struct RigaTabella {
    qsizetype numero = 0;
    QStringList celle;
};

// True when the cells name the columns a statement needs (a date and an amount).
bool intestazioneestratto(const QStringList &celle);

// Finds the header among the first 40 lines by its column names and reads the movements below
// it. serialiexcel: a plain number in the date column is a spreadsheet's day count.
Esito leggitabella(const QList<RigaTabella> &righe, bool serialiexcel, const QString &nome,
                   Estratto &e);

// UTF-8 (with or without BOM) when the bytes are valid UTF-8, else Windows-1252.
QString decodificaestratto(const QByteArray &dati);

// An amount as banks write it: "1.500,75", "-1500,75", "€ -43,20", "-1500.75", "(12,00)",
// "12,00-", "4.5E-2". Exact to ten-thousandths; nothing when the text is not an amount.
std::optional<qint64> importoestratto(QString testo);

// The year of a two-digit year in a statement: 2000-2069, bank statements being no older.
inline int annoestratto(int anno)
{
    return anno < 70 ? 2000 + anno : 1900 + anno;
}

// A date as banks write it: dd/mm/yyyy, dd/mm/yy, dd.mm.yyyy, dd-mm-yyyy, yyyy-mm-dd, with an
// optional time or time zone after it. Invalid when the text is not a date.
QDate dataestratto(const QString &testo);

// Whether the statements of a file are all of one account. The first opening and the last
// closing balance only add up for one; a file of several accounts gives none.
class Unconto
{
  public:
    void conto(const QString &id)
    {
        diversi = diversi || (visto && id != primo);
        primo = visto ? primo : id;
        visto = true;
    }
    void chiudi(Estratto &e) const
    {
        if (diversi) {
            e.saldoiniziale.reset();
            e.saldofinale.reset();
            e.datasaldofinale = {};
        }
    }

  private:
    QString primo;
    bool visto = false, diversi = false;
};

// "Riga n: motivo", the reason a damaged line is refused for.
QString motivoriga(qsizetype riga, const QString &motivo);
