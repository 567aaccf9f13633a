#pragma once

#include <QList>
#include <QString>
#include <array>
#include <ostream>

// A description as its month file holds it: fifty Windows-1252 bytes, decoded (and trimmed)
// only when read. A load keeps up to 5000 rows and shows sixteen, so decoding them all up front
// cost most of a load.
class Descrizione
{
  public:
    static constexpr qsizetype larghezza = 50;

    Descrizione() { byte.fill(' '); }
    Descrizione(const QString &testo); // the text trimmed and cut to the field, as stored
    Descrizione(const char *t) : Descrizione(QString::fromUtf8(t)) {}
    static Descrizione grezza(const char *campo); // the field's bytes, as they are

    QString testo() const;
    operator QString() const { return testo(); }
    bool isEmpty() const;
    bool operator==(const Descrizione &altra) const { return byte == altra.byte; }
    friend bool operator==(const Descrizione &d, const QString &t) { return d.testo() == t; }
    friend bool operator==(const QString &t, const Descrizione &d) { return d.testo() == t; }
    friend std::ostream &operator<<(std::ostream &o, const Descrizione &d)
    {
        return o << d.testo().toStdString();
    }

  private:
    std::array<char, larghezza> byte;
};

// One row of the month table: a movement of the shown period, or the carried balance.
struct RigaMese {
    qint32 numero = 0; // record number in its month file; 0 for the carried balance
    qint16 giorno = 0;
    qint16 mese = 0;
    Descrizione descrizione[2];
    qint64 importo = 0;
    qint16 segno = 0;
    qint64 saldo = 0; // running balance after this row
    qint16 conto = 0;
    qint16 contatto = 0;
};

// The rows of the shown period, 1 to numerorighe; row 0 stays empty so that its saldo (0) is
// the balance before row 1.
struct TabellaMese {
    static constexpr int capacita = 5000; // what the screen holds
    // The capacity of a table that keeps every matching movement (an export).
    static constexpr qint32 senzalimite = 0x7FFFFFFF;

    QList<RigaMese> righe = QList<RigaMese>(capacita + 1);
    qint32 numerorighe = 0;    // 32 bits: an export of a year can pass 32767 rows
    qint64 totali[2] = {0, 0}; // income, expense
    // Not 0 when matching movements were dropped at the capacity, so the totals do not cover
    // every movement of the period. The reading stops at the first one dropped.
    qint32 righescartate = 0;

    // Row i, or an empty row (numero 0) beyond the rows in use.
    const RigaMese &riga(int i) const;
};
