#include "platform/sentinella.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMutex>
#include <QThread>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QMutex mutexsonda;
Sentinella::Sonda sondaimpostata;

void sonda(const QString &file)
{
    Sentinella::Sonda s;
    {
        const QMutexLocker blocco(&mutexsonda);
        s = sondaimpostata;
    }
    if (s)
        s(file);
}

#ifdef Q_OS_WIN
// Qt opens a file without FILE_SHARE_DELETE, so another workstation's save, which renames over
// the company or account list, would fail in the instant a check held the file open: the check
// opens it itself, sharing everything.
std::optional<Impronta> misuraaperto(const QString &file)
{
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t *>(file.utf16()), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    LARGE_INTEGER dimensione{};
    FILETIME modifica{};
    const bool ok = GetFileSizeEx(h, &dimensione) && GetFileTime(h, nullptr, nullptr, &modifica);
    CloseHandle(h);
    if (!ok)
        return std::nullopt;
    // 100 ns steps since 1601 to milliseconds since 1970, as QFileInfo gives them.
    const qint64 passi = qint64(quint64(modifica.dwHighDateTime) << 32 | modifica.dwLowDateTime);
    return Impronta{true, dimensione.QuadPart, (passi - 116444736000000000LL) / 10000};
}
#else
std::optional<Impronta> misuraaperto(const QString &file)
{
    QFile aperto(file);
    // Read-only: a missing file stays missing.
    if (!aperto.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Impronta{true, aperto.size(),
                    aperto.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
}
#endif

Impronta misurauno(const QString &file)
{
    if (const std::optional<Impronta> aperto = misuraaperto(file))
        return *aperto;
    // One that cannot be opened (no permission) is still looked at.
    const QFileInfo info(file);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

} // namespace

// Runs the checks on the checking thread and follows the files' notifications there.
class Controllore : public QObject
{
    Q_OBJECT
  public:
    void controlla(const QStringList &file)
    {
        if (!notifiche) {
            notifiche = new QFileSystemWatcher(this);
            raccolta = new QTimer(this);
            raccolta->setSingleShot(true);
            raccolta->setInterval(50); // gathers a burst of notifications into one check
            connect(raccolta, &QTimer::timeout, this, &Controllore::notificato);
            connect(notifiche, &QFileSystemWatcher::fileChanged, raccolta,
                    qOverload<>(&QTimer::start));
        }
        if (file != elenco && !notifiche->files().isEmpty())
            notifiche->removePaths(notifiche->files());
        elenco = file;
        Impronte ora;
        for (const QString &f : file) {
            sonda(f);
            ora.insert(f, misurauno(f));
        }
        riaggancia(ora);
        emit misurato(ora);
    }

  signals:
    void misurato(const Impronte &ora);
    void notificato();

  private:
    // A file replaced or created since is not (or no longer) followed by the notifications.
    void riaggancia(const Impronte &ora)
    {
        const QStringList seguiti = notifiche->files();
        QStringList mancanti;
        for (const QString &f : elenco)
            if (ora.value(f).esiste && !seguiti.contains(f))
                mancanti.append(f);
        if (!mancanti.isEmpty())
            notifiche->addPaths(mancanti);
    }

    QStringList elenco;
    QFileSystemWatcher *notifiche = nullptr; // made on the checking thread, to notify there
    QTimer *raccolta = nullptr;
};

Sentinella::Sentinella(QObject *parent) : QObject(parent), filo(new QThread)
{
    auto *controllore = new Controllore;
    controllore->moveToThread(filo);
    // Both go when the thread ends, also long after this object (a check stuck on a folder
    // that does not answer); a thread still stuck when the program ends ends with it.
    connect(filo, &QThread::finished, controllore, &QObject::deleteLater);
    connect(filo, &QThread::finished, filo, &QObject::deleteLater);
    connect(this, &Sentinella::richiesta, controllore, &Controllore::controlla);
    connect(controllore, &Controllore::misurato, this, &Sentinella::risposta);
    connect(controllore, &Controllore::notificato, this, &Sentinella::chiedi);
    filo->start();

    giro.setInterval(intervallo);
    connect(&giro, &QTimer::timeout, this, &Sentinella::chiedi);
    giro.start();
}

Sentinella::~Sentinella()
{
    ferma();
}

void Sentinella::ferma()
{
    if (fermata)
        return;
    fermata = true;
    giro.stop();
    filo->quit();
    // A moment for the thread to end cleanly before the program does, no more: a check stuck
    // on a folder that does not answer ends with the program.
    if (filo->wait(QDeadlineTimer(100)))
        delete filo;
    filo = nullptr;
}

void Sentinella::impostasonda(Sonda s)
{
    const QMutexLocker blocco(&mutexsonda);
    sondaimpostata = std::move(s);
}

Impronte Sentinella::misura(const QStringList &file)
{
    Impronte ora;
    for (const QString &f : file)
        ora.insert(f, misurauno(f));
    return ora;
}

void Sentinella::sorveglia(const QStringList &file)
{
    Impronte restano;
    for (const QString &f : file)
        if (viste.contains(f))
            restano.insert(f, viste.value(f));
    viste = restano;
    elenco = file;
    ++generazione;
}

void Sentinella::visti(const Impronte &impronte)
{
    for (auto i = impronte.begin(); i != impronte.end(); ++i)
        if (elenco.contains(i.key()))
            viste[i.key()] = i.value();
    ++generazione;
}

void Sentinella::chiedi()
{
    if (fermata)
        return;
    if (incorso) {
        ancora = true;
        return;
    }
    incorso = true;
    ancora = false;
    chiestaa = generazione;
    emit richiesta(elenco);
}

void Sentinella::risposta(const Impronte &ora)
{
    incorso = false;
    if (fermata)
        return;
    // What was seen changed while the check was out: its answer may be older than that.
    if (chiestaa != generazione) {
        chiedi();
        return;
    }
    Impronte diversi;
    for (const QString &f : elenco)
        if (ora.contains(f) && ora.value(f) != viste.value(f))
            diversi.insert(f, ora.value(f));
    if (!diversi.isEmpty())
        emit cambiamento(diversi);
    if (ancora)
        chiedi();
}

#include "sentinella.moc"
