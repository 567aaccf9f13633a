#pragma once

#include "ledger/doppioni.h"
#include "store/esito.h"
#include "store/movimento.h"

#include <QList>

// A statement row about to be written: its movement, account set, and the month it goes to.
struct DaScrivere {
    Movimento movimento;
    int mese;
    int anno = 0; // four digits; 0 the management year
};

// How writing the rows went: how many were written, and how many were left out because
// another workstation had recorded them meanwhile.
struct Registrati {
    qsizetype scritti = 0;
    qsizetype giapresenti = 0;
    // For each row, the movement it now stands for: the record written ("nuovo"), or the one
    // another workstation recorded ("già presente"); numero 0 for a row of a file not reached.
    QList<Abbinamento> movimenti;
};

// Appends the rows to the month files of their years (the management year anno unless a row
// names its own), one file at a time in the order of its first row, each looked at again and
// written under one lock. A row is left out when the file now holds an active movement of the same
// company, account, day, sign and amount that neither the check paired with a row (abbinati) nor an
// earlier row took: another workstation recorded it since the check. The first failure stops it;
// the files written before keep their rows, that file keeps what it held.
Esito registrarighe(const QString &percorso, const QString &anno, const QList<DaScrivere> &righe,
                    const QList<Abbinamento> &abbinati, Registrati &r);
