#pragma once

#include "store/movimento.h"
#include "support/aiuti.h"

constexpr qint64 euro = 10000;

// A movement with the fields the tests vary, in the order they vary most.
inline Movimento mov(qint16 giorno, qint16 segno, qint64 importo, const QString &d1 = "Mov",
                     qint16 conto = 2, qint16 ditta = 1, const QString &d2 = "",
                     qint16 contatto = 0)
{
    return Movimento{giorno, d1, d2, segno, importo, conto, ditta, contatto};
}

// A fresh home with its data folder; the folder's native path.
inline QString nuovoarchivio()
{
    nuovacasa();
    return cartellalocale();
}
