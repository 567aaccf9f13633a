#include "store/ditte.h"

#include "platform/percorsi.h"
#include "store/codepage.h"
#include "store/filemese.h"
#include "store/testo.h"

#include <QFile>
#include <QSaveFile>

QString percorsoditte(const QString &percorso)
{
    return cartelladati(percorso) + QStringLiteral("\\listditta");
}

Esito leggiditte(const QString &percorso, QStringList &nomi, bool *esiste)
{
    nomi.clear();
    QFile file(percorsonativo(percorsoditte(percorso)));
    if (esiste)
        *esiste = file.exists();
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return Esito::fallito(file.fileName(), motivoerrore(file));
    const QByteArray dati = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Esito::fallito(file.fileName(), motivoerrore(file));

    LettoreCampi lettore(dati);
    QString campo;
    if (!lettore.prossimo(campo))
        return {};
    bool numero = false;
    const int conteggio = campo.toShort(&numero);
    if (!numero)
        return {};
    const int quanti = qMin(conteggio, ditte::capacita);
    while (nomi.size() < quanti && lettore.prossimo(campo))
        nomi.append(campo);
    return {};
}

bool nomedittavalido(const QString &nome)
{
    return !nome.trimmed().isEmpty() && !nome.contains(QLatin1Char('"'));
}

Esito scrividitte(const QString &percorso, const QStringList &nomi)
{
    QByteArray dati = QByteArray::number(nomi.size()) + "\r\n";
    for (const QString &nome : nomi)
        dati += '"' + codificatesto(nome.trimmed()) + "\"\r\n";

    QSaveFile file(percorsonativo(percorsoditte(percorso)));
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
