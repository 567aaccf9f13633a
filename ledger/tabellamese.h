#pragma once

#include <QList>
#include <QString>

// One row of the month table: a movement of the shown period, or the carried balance.
struct RigaMese {
    qint32 numero = 0; // record number in its month file; 0 for the carried balance
    qint16 giorno = 0;
    qint16 mese = 0;
    QString descrizione[2];
    qint64 importo = 0;
    qint16 segno = 0;
    qint64 saldo = 0; // running balance after this row
    qint16 conto = 0;
    qint16 contatto = 0;
};

// The rows of the shown period, 1 to numerorighe; row 0 stays empty so that its saldo (0) is
// the balance before row 1.
struct TabellaMese {
    static constexpr int capacita = 5000;

    QList<RigaMese> righe = QList<RigaMese>(capacita + 1);
    qint16 numerorighe = 0;
    qint64 totali[2] = {0, 0}; // income, expense
    // Not 0 when matching movements were dropped at the capacity, so the totals do not cover
    // every movement of the period. The reading stops at the first one dropped.
    qint32 righescartate = 0;

    // Row i, or an empty row (numero 0) beyond the rows in use.
    const RigaMese &riga(int i) const;
};
