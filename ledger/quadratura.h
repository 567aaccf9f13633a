#pragma once

#include "store/esito.h"
#include "store/quadrature.h"

#include <QList>
#include <QString>

// The bank reconciliation of one book account: the book against the last statement imported
// into it, and the movements the bank has not confirmed, which explain the difference.

// A movement of the account no statement and no user has confirmed.
struct Aperto {
    qint16 mese = 0;
    qint32 numero = 0; // record number in its month file
    qint16 giorno = 0;
    QString descrizione1;
    QString descrizione2;
    qint16 segno = 0; // 0 income, 1 expense
    qint64 importo = 0;
};

struct Quadratura {
    std::optional<EstrattoTenuto> estratto; // none: nothing to reconcile with
    qint64 saldolibro = 0; // the book's balance on the statement's date, carried balance included
    QList<Aperto> aperti;  // the year's open movements up to that date, oldest first
};

// Reads what is kept for the account and the month files of the statement's year up to its date
// (a missing month holds nothing and is not created). The carried balance of the year before
// counts in the balance but is never open: the bank never books it.
Esito quadratura(const QString &percorso, qint16 ditta, qint16 conto, Quadratura &q);

// The confirmation of an open movement of year anno, as it is now.
Conferma conferma(const Aperto &a, int anno);

// What the open movements not ticked explain of the bank's balance over the book's: their
// expenses minus their incomes (a cheque not yet cashed leaves the bank higher).
qint64 spiegata(const QList<Aperto> &aperti, const QList<bool> &spuntati);
