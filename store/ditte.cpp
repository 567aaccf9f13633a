#include "store/ditte.h"

#include "platform/percorsi.h"
#include "store/codepage.h"
#include "store/filemese.h"
#include "store/salvafile.h"
#include "store/testo.h"

#include <QFile>

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

    nomi = analizzaditte(dati);
    return {};
}

bool nomedittavalido(const QString &nome)
{
    return !nome.trimmed().isEmpty() && !nome.contains(QLatin1Char('"'));
}

Esito scrividitte(const QString &percorso, const QStringList &nomi)
{
    return salvafile(percorsonativo(percorsoditte(percorso)), codificaditte(nomi));
}

QByteArray codificaditte(const QStringList &nomi)
{
    QByteArray dati = QByteArray::number(nomi.size()) + "\r\n";
    for (const QString &nome : nomi)
        // A quote would end the name early on reading: it becomes an apostrophe, never a
        // list that reads back wrong.
        dati += '"' + codificatesto(QString(nome.trimmed()).replace('"', '\'')) + "\"\r\n";
    return dati;
}

QStringList analizzaditte(const QByteArray &dati)
{
    QStringList nomi;
    LettoreCampi lettore(dati);
    QString campo;
    if (!lettore.prossimo(campo))
        return nomi;
    bool numero = false;
    const int conteggio = campo.toShort(&numero);
    if (!numero)
        return nomi;
    const int quanti = qMin(conteggio, ditte::capacita);
    while (nomi.size() < quanti && lettore.prossimo(campo))
        nomi.append(campo);
    return nomi;
}
