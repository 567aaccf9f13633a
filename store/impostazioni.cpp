#include "store/impostazioni.h"

#include "platform/percorsi.h"
#include "store/codepage.h"
#include "store/salvafile.h"
#include "store/testo.h"

#include <QFile>

QString percorsoimpostazioni()
{
    return QStringLiteral("c:\\quaderoladati\\impoqx.txt");
}

QString analizzapercorso(const QByteArray &dati)
{
    LettoreCampi lettore(dati);
    QString campo;
    if (!lettore.prossimo(campo) || campo.trimmed().isEmpty())
        return QStringLiteral("c:");
    return campo;
}

QString leggipercorso()
{
    QFile file(percorsonativo(percorsoimpostazioni()));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("c:");
    return analizzapercorso(file.readAll());
}

Esito scrivipercorso(const QString &percorso)
{
    return salvafile(percorsonativo(percorsoimpostazioni()),
                     '"' + codificatesto(percorso) + "\"\r\n");
}
