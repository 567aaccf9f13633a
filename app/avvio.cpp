#include "app/avvio.h"

#include "app/stato.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "store/impostazioni.h"

#include <QDir>

QStringList avvia(Stato &s)
{
    s = Stato();
    QDir().mkpath(percorsonativo(cartelladati(QStringLiteral("c:"))));
    s.annogestione = annoyy(oggi());
    s.percorso = QStringLiteral("c:");
    s.mesecorrente = 0;
    s.percorso = leggipercorso();

    QStringList ditte;
    bool esiste = false;
    if (leggiditte(s.percorso, ditte, &esiste) && !ditte.isEmpty()) {
        s.nomeditta = ditte.first();
        s.dittacorrente = 1;
    }
    s.contocorrente = 2;

    QStringList conti;
    // Only an existing data folder gets an account list; an unreachable root gets nothing.
    if (QDir(percorsonativo(cartelladati(s.percorso))).exists())
        leggiconti(s.percorso, conti);
    return conti;
}
