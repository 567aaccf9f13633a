#pragma once

#include "store/estratto.h"

#include <QString>

// What a statement row's texts say once the bank's own words are gone: who was paid or paid us,
// and what for.
struct Testobanca {
    // The counterparty, or who stands for it where the text names none ("Banca" for its fees,
    // "Erario" for a tax payment, "Cassa" for cash); empty when no pattern knows the texts.
    QString controparte;
    // The purpose the payer wrote, else the kind of operation ("Bonifico"); may be empty.
    QString causale;
};

// The counterparty and purpose of a row, dropping what only the bank needs: the kind phrase
// before the name, card and mandate numbers, masked IBANs, references, dates and times. A first
// text that is a name of the file's own (camt, CBI, a payee column) stays the counterparty.
// Nothing (an empty controparte) for texts no pattern knows: they are kept as the bank gave them.
Testobanca leggitestobanca(const RigaEstratto &riga);
