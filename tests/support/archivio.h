#pragma once

#include "store/movimento.h"
#include "support/aiuti.h"

#include <QList>
#include <QStringList>

constexpr qint64 euro = 10000;

// A movement with the fields the tests vary, in the order they vary most.
inline Movimento mov(qint16 giorno, qint16 segno, qint64 importo, const QString &d1 = "Mov",
                     qint16 conto = 2, qint16 ditta = 1, const QString &d2 = "",
                     qint16 contatto = 0)
{
    return Movimento{giorno, d1, d2, segno, importo, conto, ditta, contatto};
}

// A fresh home whose data folder holds these companies, and a fresh shared state; the folder.
QString nuovoarchivio(const QStringList &ditte = {});
// Month m of year anno in the local data folder, holding these movements in order; its file.
QString scrivimese(int m, const QList<Movimento> &movimenti, const QString &anno = "26");
// The writer program run once per list of arguments, as workstations sharing the archive: all
// started, then let go at the same moment; true when every one ended well.
bool insieme(const QString &scrittore, const QList<QStringList> &argomenti);
