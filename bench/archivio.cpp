#include "archivio.h"

#include "platform/percorsi.h"
#include "store/filemese.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

QString archiviobench()
{
    static const QString radice = [] {
        const QString dato = qEnvironmentVariable("QUADEROLA_BENCH_ROOT");
        if (!dato.isEmpty())
            return dato.endsWith('/') ? dato : dato + '/';
        static QTemporaryDir cartella;
        const QStringList argomenti = {QStringLiteral(GENERATORE),
                                       cartella.path(),
                                       "--year",
                                       "26",
                                       "--per-month",
                                       "10000",
                                       "--companies",
                                       "3",
                                       "--accounts",
                                       "4",
                                       "--seed",
                                       "1"};
        if (QProcess::execute(QStringLiteral("python3"), argomenti) != 0) {
            std::fprintf(stderr, "the archive generator failed\n");
            return QString();
        }
        return cartella.path() + '/';
    }();
    return radice;
}

qint64 leggifilemese(const QString &percorso, const QString &anno)
{
    qint64 byte = 0;
    for (int m = 1; m <= 12; ++m) {
        QFile f(percorsonativo(percorsomese(percorso, m, anno)));
        if (f.open(QIODevice::ReadOnly))
            byte += f.readAll().size();
    }
    return byte;
}

QString copiaarchivio()
{
    const QString radice = archiviobench();
    if (radice.isEmpty())
        return QString();
    static QTemporaryDir cartella;
    const QString dati = cartella.path() + "/quaderoladati/";
    QDir().mkpath(dati);
    const QDir origine(radice + "quaderoladati");
    for (const QString &nome : origine.entryList(QDir::Files))
        if (!QFile::exists(dati + nome) && !QFile::copy(origine.filePath(nome), dati + nome))
            return QString();
    return cartella.path() + '/';
}
