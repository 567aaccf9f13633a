#include "store/salvafile.h"

#include "store/guasti.h"

#include <QSaveFile>

Esito salvafile(const QString &nativo, const QByteArray &dati)
{
    const QString disco = QStringLiteral("Errore del disco.");
    QSaveFile file(nativo);
    if (guasto(Operazione::Apertura, nativo))
        return Esito::fallito(nativo, disco);
    if (!apriperscrivere(file))
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
    return confermasalvataggio(file);
}

bool apriperscrivere(QSaveFile &file)
{
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

Esito confermasalvataggio(QSaveFile &file)
{
    if (file.error() != QFileDevice::NoError || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        Esito e = Esito::fallito(file.fileName(), motivoerrore(file));
        file.cancelWriting();
        return e;
    }
    if (!file.commit())
        return Esito::fallito(file.fileName(), motivoerrore(file));
    return {};
}
