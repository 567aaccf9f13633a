#include "platform/sentinella.h"

#include <QDateTime>
#include <QFileInfo>

Sentinella::Sentinella(QObject *parent) : QObject(parent)
{
    giro.setInterval(intervallo);
    connect(&giro, &QTimer::timeout, this, &Sentinella::controlla);
    giro.start();
    raccolta.setSingleShot(true);
    raccolta.setInterval(50);
    connect(&raccolta, &QTimer::timeout, this, &Sentinella::controlla);
    connect(&notifiche, &QFileSystemWatcher::fileChanged, &raccolta, qOverload<>(&QTimer::start));
}

Sentinella::Impronta Sentinella::impronta(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

void Sentinella::sorveglia(const QStringList &file)
{
    QHash<QString, Impronta> nuove;
    for (const QString &f : file)
        nuove.insert(f, viste.contains(f) ? viste.value(f) : impronta(f));
    viste = nuove;
    if (elenco != file) {
        elenco = file;
        if (!notifiche.files().isEmpty())
            notifiche.removePaths(notifiche.files());
        riaggancia();
    }
}

void Sentinella::visti(const QStringList &file)
{
    for (const QString &f : file)
        if (viste.contains(f))
            viste[f] = impronta(f);
}

void Sentinella::creativuoti()
{
    for (auto i = viste.begin(); i != viste.end(); ++i)
        if (!i->esiste)
            if (const Impronta ora = impronta(i.key()); ora.esiste && ora.dimensione == 0)
                *i = ora;
}

QStringList Sentinella::cambiati() const
{
    QStringList diversi;
    for (const QString &f : elenco)
        if (impronta(f) != viste.value(f))
            diversi.append(f);
    return diversi;
}

void Sentinella::controlla()
{
    riaggancia();
    const QStringList diversi = cambiati();
    if (!diversi.isEmpty())
        emit cambiamento(diversi);
}

// A file replaced or created since is not (or no longer) followed by the notifications.
void Sentinella::riaggancia()
{
    const QStringList seguiti = notifiche.files();
    QStringList mancanti;
    for (const QString &f : elenco)
        if (!seguiti.contains(f) && QFileInfo::exists(f))
            mancanti.append(f);
    if (!mancanti.isEmpty())
        notifiche.addPaths(mancanti);
}
