#include "store/estrattoformati.h"

Esito leggicbi(const QByteArray &, const QString &nome, Estratto &)
{
    return Esito::fallito(nome, QStringLiteral("Formato non ancora leggibile."));
}
