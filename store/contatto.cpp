#include "store/contatto.h"

#include "store/codepage.h"

namespace contatto {

QByteArray codifica(const Contatto &c)
{
    QByteArray r(dimensione, ' ');
    for (const Campo &campo : campi)
        codificacampo(c.*campo.membro, r.data() + campo.posizione, campo.larghezza);
    return r;
}

Contatto decodifica(const char *record)
{
    Contatto c;
    for (const Campo &campo : campi)
        c.*campo.membro = decodificatesto(record + campo.posizione, campo.larghezza);
    return c;
}

QString ragionesociale(const char *record)
{
    return decodificatesto(record, campi[0].larghezza);
}

} // namespace contatto
