#include "store/copiacartella.h"

#include "platform/percorsi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

Esito cartellaassente(const QString &cartella)
{
    return Esito::fallito(cartella, motivoerrno(ENOENT));
}

// Both names lead to the same file: rewriting it from itself would gain nothing.
bool stessofile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

Esito travasa(QFile &ingresso, QSaveFile &uscita)
{
    constexpr qint64 blocco = 256 * 1024;
    QByteArray dati;
    while (!ingresso.atEnd()) {
        dati = ingresso.read(blocco);
        if (dati.isEmpty() && ingresso.error() != QFileDevice::NoError)
            return Esito::fallito(ingresso.fileName(), motivoerrore(ingresso));
        if (dati.isEmpty())
            break;
        if (uscita.write(dati) != dati.size())
            return Esito::fallito(uscita.fileName(), motivoerrore(uscita));
    }
    return {};
}

} // namespace

Esito elencafile(const QString &cartella, QStringList &nomi)
{
    nomi.clear();
    const QString nativa = percorsonativo(cartella);
    const QFileInfo info(nativa);
    if (!info.exists())
        return cartellaassente(nativa);
    if (!info.isDir())
        return Esito::fallito(nativa, motivoerrno(ENOTDIR));
    if (!info.isReadable() || !info.isExecutable())
        return Esito::fallito(nativa, motivoerrno(EACCES));
    nomi = QDir(nativa).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    return {};
}

Esito creacartella(const QString &cartella)
{
    const QString nativa = percorsonativo(cartella);
    const QFileInfo info(nativa);
    if (info.isDir())
        return {};
    if (info.exists())
        return Esito::fallito(nativa, motivoerrno(ENOTDIR));
    if (!QDir().mkpath(nativa))
        return Esito::fallito(nativa, QStringLiteral("Impossibile creare la cartella."));
    return {};
}

Esito copiafile(const QString &origine, const QString &destinazione)
{
    const QString da = percorsonativo(origine);
    const QString a = percorsonativo(destinazione);
    if (stessofile(da, a))
        return {};
    QFile ingresso(da);
    if (!ingresso.open(QIODevice::ReadOnly))
        return Esito::fallito(da, motivoerrore(ingresso));
    QSaveFile uscita(a);
    if (!uscita.open(QIODevice::WriteOnly))
        return Esito::fallito(a, motivoerrore(uscita));
    // An uncommitted QSaveFile removes its temporary file when it goes out of scope.
    if (Esito e = travasa(ingresso, uscita); !e)
        return e;
    if (!uscita.commit())
        return Esito::fallito(a, motivoerrore(uscita));
    return {};
}

Esito cancellafile(const QString &file)
{
    QFile f(percorsonativo(file));
    if (f.remove() || !f.exists())
        return {};
    return Esito::fallito(f.fileName(), motivoerrore(f));
}
