#include "ledger/tabellamese.h"

#include "store/codepage.h"

#include <cstring>

Descrizione::Descrizione(const QString &testo)
{
    codificacampo(testo, byte.data(), larghezza);
}

Descrizione Descrizione::grezza(const char *campo)
{
    Descrizione d;
    std::memcpy(d.byte.data(), campo, size_t(larghezza));
    return d;
}

QString Descrizione::testo() const
{
    return decodificatesto(byte.data(), larghezza);
}

bool Descrizione::isEmpty() const
{
    static const Descrizione vuota;
    return std::memcmp(byte.data(), vuota.byte.data(), size_t(larghezza)) == 0 || testo().isEmpty();
}

const RigaMese &TabellaMese::riga(int i) const
{
    static const RigaMese vuota;
    if (i < 1 || i > numerorighe || i >= righe.size())
        return vuota;
    return righe[i];
}
