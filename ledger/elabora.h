#pragma once

#include "ledger/tabellamese.h"
#include "store/esito.h"
#include "store/filerecord.h"

#include <QString>

// What the ledger of a period is built from: the shared state the main window holds.
struct FiltroMese {
    QString percorso;     // data root
    QString annogestione; // two-digit year naming the month files
    qint16 dittacorrente = 0;
    qint16 contocorrente = 2; // 1 TUTTI (every account), 2 CASSA, 3.. the account list
    qint16 mesecorrente = 0;  // 0 the whole year, 1..12 a month
    QString ricerca[2];       // looked for in descrizione1 and descrizione2; "" = no filter
    qint32 contattoricercato = 0;
    // A load creates the month files it reads; the live view only looks, and a missing month
    // holds no movements for it either.
    Mancante mesimancanti = Mancante::Crea;
};

// Rebuilds the month table of the period from the month files: the carried balance of the
// earlier months when no search is in force, the matching movements in date order, the running
// balance and the totals. When a month file cannot be read the table is left empty and the
// failure is returned; nothing is written. capacita: the rows kept at most; the screen keeps
// TabellaMese::capacita, an export TabellaMese::senzalimite, and the table grows to hold them.
Esito elabora(TabellaMese &t, const FiltroMese &f, qint32 capacita = TabellaMese::capacita);

// The months a load with f reads, primo to ultimo: the period and, when no search is in force,
// the earlier months of the year whose balance it carries.
struct MesiLetti {
    int primo, ultimo;
};
MesiLetti mesiletti(const FiltroMese &f);

// Puts rows 1 to numerorighe in the order that inserting them one by one with ordina, as they
// stand, would give: by month, then day, rows of the same day in their present order.
void ordinatabella(TabellaMese &t);

// Makes room for a new row of that day and month among rows 1 to numerorighe, which are in
// date order, and returns its position: after every row of an earlier month and after every
// row of the same month whose day is not later. The rows after it move one place down.
qint16 ordina(TabellaMese &t, qint16 giorno, qint16 mese);
