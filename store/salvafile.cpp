#include "store/salvafile.h"

#include "store/guasti.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A write killed between its temporary file and the rename leaves "name.XXXXXX" behind. Once
// it is old enough that no other workstation can still be writing it, it is removed.
void puliscitemporanei(const QString &nativo)
{
    const QFileInfo finale(nativo);
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-600);
    const QFileInfoList vecchi = finale.absoluteDir().entryInfoList(
        {finale.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &f : vecchi)
        if (f.lastModified().toUTC() < limite)
            QFile::remove(f.absoluteFilePath());
}

} // namespace

Esito salvafile(const QString &nativo, const QByteArray &dati)
{
    const QString disco = QStringLiteral("Errore del disco.");
    QSaveFile file(nativo);
    if (guasto(Operazione::Apertura, nativo))
        return Esito::fallito(nativo, disco);
    if (!file.open(QIODevice::WriteOnly))
        return Esito::fallito(nativo, motivoerrore(file));
    const bool guastoscrittura = guasto(Operazione::Scrittura, nativo);
    if (guastoscrittura || file.write(dati) != dati.size()) {
        Esito e = Esito::fallito(nativo, guastoscrittura ? disco : motivoerrore(file));
        file.cancelWriting();
        return e;
    }
    if (guasto(Operazione::Conferma, nativo)) {
        file.cancelWriting();
        return Esito::fallito(nativo, disco);
    }
    if (!file.commit())
        return Esito::fallito(nativo, motivoerrore(file));
    puliscitemporanei(nativo);
    return {};
}
