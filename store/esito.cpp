#include "store/esito.h"

#include <QDir>
#include <QFileDevice>
#include <cerrno>

Esito Esito::fallito(const QString &file, const QString &motivo)
{
    Esito e;
    e.ok = false;
    e.file = QDir::toNativeSeparators(file); // QFile names files with '/' also on Windows
    e.motivo = motivo;
    return e;
}

QString Esito::messaggio() const
{
    if (ok)
        return {};
    if (!avviso.isEmpty())
        return avviso;
    return QStringLiteral("Impossibile accedere al file:\n%1\n\n%2").arg(file, motivo);
}

QString motivoerrno(int codice)
{
    switch (codice) {
    case ENOENT:
        return QStringLiteral("Il file o la cartella non esiste o non è raggiungibile.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Permesso negato.");
    case EROFS:
        return QStringLiteral("Il disco è in sola lettura.");
    case ENOSPC:
        return QStringLiteral("Spazio su disco esaurito.");
    case EIO:
        return QStringLiteral("Errore di lettura o scrittura sul disco.");
    case ENOTDIR:
        return QStringLiteral("Una parte del percorso non è una cartella.");
    case EISDIR:
        return QStringLiteral("Il percorso indica una cartella, non un file.");
    default:
        return QStringLiteral("Errore del sistema (%1).").arg(codice);
    }
}

QString motivoerrore(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::NoError:
        return QStringLiteral("Errore sconosciuto.");
    case QFileDevice::ReadError:
        return QStringLiteral("Errore di lettura: %1").arg(file.errorString());
    case QFileDevice::WriteError:
        return QStringLiteral("Errore di scrittura: %1").arg(file.errorString());
    case QFileDevice::OpenError:
        return QStringLiteral("Impossibile aprire il file: %1").arg(file.errorString());
    case QFileDevice::PermissionsError:
        return QStringLiteral("Permesso negato: %1").arg(file.errorString());
    case QFileDevice::ResourceError:
        return QStringLiteral("Risorse esaurite (disco pieno?): %1").arg(file.errorString());
    case QFileDevice::RenameError:
        return QStringLiteral("Impossibile sostituire il file: %1").arg(file.errorString());
    default:
        return QStringLiteral("Errore del file: %1").arg(file.errorString());
    }
}
