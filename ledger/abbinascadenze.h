#pragma once

#include "ledger/doppioni.h"
#include "ledger/scadenzario.h"

#include <QHash>
#include <QList>
#include <QString>

// The open payments due that statement rows settle.

// A statement row as its payment due is looked for: its booking date (invalid: the row looks
// for none), what it adds to the balance and the bank's whole text.
struct RigaScadenza {
    QDate data;
    qint64 valore;
    QString testo;
};

// Pairs the rows with the open occurrences of account conto or of none, of the same sign, due
// at most 10 days from the row's date, at the same amount; an estimate pairs within 20 % of its
// amount, and only with a row whose text names its first description. One assignment, made
// nearest first: the pairs whose row names the item's invoice number or its payment code
// (codici, by item number), then the pairs fewest days apart, then those of the exact amount,
// then in the file's order, each row and occurrence taken once. Per row the index in elenco,
// -1 when none.
QList<qsizetype> abbinascadenze(const QList<Occorrenza> &elenco, qint16 conto,
                                const QList<RigaScadenza> &righe,
                                const QHash<qint32, QString> &codici = {});
