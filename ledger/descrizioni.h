#pragma once

#include "store/esito.h"

#include <QStringList>

// The descriptions a company used in a year, so that the entry window can offer them while the
// user types.
struct DescrizioniUsate {
    QStringList descrizione[2]; // of descrizione1 and of descrizione2
};

// The descriptions of the movements of company ditta in the month files of year anno, one list
// per field: the most frequent first, one entry for the spellings that differ by case only (the
// first spelling met), at most massimo each. Deleted movements and empty texts count nowhere.
// One pass over the year, decoding only the texts kept.
Esito descrizioniusate(const QString &percorso, const QString &anno, qint16 ditta,
                       DescrizioniUsate &usate, qsizetype massimo = 300);
