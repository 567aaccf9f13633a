#include "store/estrattoformati.h"

Esito leggixlsx(const QByteArray &, const QString &nome, Estratto &)
{
    return Esito::fallito(nome, QStringLiteral("Formato non ancora leggibile."));
}
