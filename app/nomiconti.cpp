#include "app/nomiconti.h"

#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/conti.h"

QStringList nomiconti()
{
    if (Formprincipale *f = Formprincipale::corrente())
        return f->nomiconti();
    QStringList nomi;
    leggiconti(stato().percorso, nomi);
    nomi.prepend(QStringLiteral("CASSA"));
    return nomi;
}

QString nomeconto(int indice)
{
    if (Formprincipale *f = Formprincipale::corrente())
        return f->nomeconto(indice);
    if (indice == 1)
        return QStringLiteral("TUTTI");
    return nomiconti().value(indice - 2);
}
