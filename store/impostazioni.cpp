#include "store/impostazioni.h"

#include "platform/percorsi.h"
#include "store/codepage.h"
#include "store/testo.h"

#include <QFile>
#include <QSaveFile>

QString percorsoimpostazioni()
{
    return QStringLiteral("c:\\quaderoladati\\impoqx.txt");
}

QString leggipercorso()
{
    const QString locale = QStringLiteral("c:");
    QFile file(percorsonativo(percorsoimpostazioni()));
    if (!file.open(QIODevice::ReadOnly))
        return locale;
    LettoreCampi lettore(file.readAll());
    QString campo;
    if (!lettore.prossimo(campo) || campo.trimmed().isEmpty())
        return locale;
    return campo;
}

Esito scrivipercorso(const QString &percorso)
{
    const QByteArray dati = '"' + codificatesto(percorso) + "\"\r\n";
    QSaveFile file(percorsonativo(percorsoimpostazioni()));
    if (!file.open(QIODevice::WriteOnly))
        return Esito::fallito(file.fileName(), motivoerrore(file));
    if (file.write(dati) != dati.size()) {
        Esito e = Esito::fallito(file.fileName(), motivoerrore(file));
        file.cancelWriting();
        return e;
    }
    if (!file.commit())
        return Esito::fallito(file.fileName(), motivoerrore(file));
    return {};
}
