#include "windows/percorso/radicedati.h"

QString radicedati(const QString &cartella)
{
    const qsizetype k = cartella.indexOf(QLatin1String("quaderoladati"), 0, Qt::CaseInsensitive);
    if (k < 0)
        return {};
    return cartella.left(k);
}
