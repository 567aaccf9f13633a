#pragma once

#include "store/esito.h"

#include <QString>

// Income and expense of each month of a year (index 1 to 12) and of the whole year (index 0).
struct SaldiAnno {
    qint64 entratemese[13] = {};
    qint64 uscitemese[13] = {};

    // Income minus expense of that month alone: no running balance, nothing carried over.
    qint64 saldo(int k) const { return entratemese[k] - uscitemese[k]; }
};

// Sums the twelve month files of the year for one company and one account (1 = every
// account). Deleted movements count nowhere. Missing month files are created empty; the first
// file that cannot be read stops the sums and is returned as the failure.
Esito calcolasaldi(const QString &percorso, const QString &anno, qint16 ditta, qint16 conto,
                   SaldiAnno &saldi);
