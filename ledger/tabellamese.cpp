#include "ledger/tabellamese.h"

const RigaMese &TabellaMese::riga(int i) const
{
    static const RigaMese vuota;
    if (i < 1 || i > numerorighe || i >= righe.size())
        return vuota;
    return righe[i];
}
