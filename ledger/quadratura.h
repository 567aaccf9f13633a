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
    // A statement of that year later than estratto that had no closing balance; its
    // confirmations count like any other.
    std::optional<EstrattoTenuto> senzasaldo = {};
    qint64 saldolibro = 0; // the book's balance on the statement's date, carried balance included
    QList<Aperto> aperti;  // the year's open movements up to that date, oldest first
};

// Reads what is kept for the account and the month files of the statement's year up to its date
// (a missing month holds nothing and is not created). The statement is the one of year anno (four
// digits; 0 the latest statement's year) with the latest date that has a closing balance, else
// the latest of that year. The carried balance of the year before counts in the balance but is
// never open: the bank never books it; a year not carried into yet opens with the year before's
// close.
Esito quadratura(const QString &percorso, qint16 ditta, qint16 conto, Quadratura &q, int anno = 0);

// The confirmation of an open movement of year anno, as it is now.
Conferma conferma(const Aperto &a, int anno);

// What the open movements not ticked explain of the bank's balance over the book's: their
// expenses minus their incomes (a cheque not yet cashed leaves the bank higher).
qint64 spiegata(const QList<Aperto> &aperti, const QList<bool> &spuntati);

// True when the movement deleted as record numero of the month file (its bytes before the
// deletion: prima) was confirmed by a statement and the file now holds another movement of the
// same company, account, day, sign and amount that is confirmed too: the bank's movement was
// imported or paired again, and putting the first one back would book it twice. A file that
// cannot be read refuses nothing: the restore then says what failed.
bool reimportato(const QString &file, qint32 numero, const QByteArray &prima);
