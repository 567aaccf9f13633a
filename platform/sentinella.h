#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Keeps the size and modification time of a few files as last seen and says which of them
// differ now. The file system's notifications make it quick where they work; a poll of the
// same stat calls every two seconds covers network folders, which report nothing for another
// machine's writes. Files are never opened, only looked at.
class Sentinella : public QObject
{
    Q_OBJECT
  public:
    static constexpr int intervallo = 2000; // ms between two polls

    explicit Sentinella(QObject *parent = nullptr);

    // The files watched from now on. A file new to the list is taken as seen as it is now;
    // the others keep what was last seen of them.
    void sorveglia(const QStringList &file);
    // These files are taken as seen as they are now: their reader is about to read them.
    void visti(const QStringList &file);
    // Files seen missing that now exist empty are taken as seen: their reader created them.
    void creativuoti();
    // Files of the list whose presence, size or time differ from what was last seen.
    QStringList cambiati() const;

  signals:
    // Some watched files differ from what was last seen. Emitted again at every poll until
    // they are taken as seen.
    void cambiamento(const QStringList &file);

  private:
    struct Impronta {
        bool esiste = false;
        qint64 dimensione = -1;
        qint64 modifica = -1;
        bool operator==(const Impronta &) const = default;
    };
    static Impronta impronta(const QString &file);
    void controlla();
    void riaggancia();

    QHash<QString, Impronta> viste;
    QStringList elenco;
    QFileSystemWatcher notifiche;
    QTimer giro;
    QTimer raccolta; // gathers a burst of notifications into one check
};
