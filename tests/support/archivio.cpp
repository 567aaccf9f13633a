#include "support/archivio.h"

#include "app/stato.h"
#include "store/ditte.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

QString nuovoarchivio(const QStringList &ditte)
{
    nuovacasa();
    stato() = Stato();
    const QString dati = cartellalocale();
    if (!ditte.isEmpty())
        EXPECT_TRUE(scrividitte(QStringLiteral("c:"), ditte));
    return dati;
}

QString scrivimese(int m, const QList<Movimento> &movimenti, const QString &anno)
{
    QByteArray dati;
    for (const Movimento &x : movimenti)
        dati += movimento::codifica(x);
    const QString file =
        cartellalocale() + QStringLiteral("/mov%1").arg(m, 2, 10, QChar('0')) + anno;
    scrivibyte(file, dati);
    return file;
}

bool insieme(const QString &scrittore, const QList<QStringList> &argomenti)
{
    std::vector<std::unique_ptr<QProcess>> processi;
    for (const QStringList &a : argomenti) {
        processi.push_back(std::make_unique<QProcess>());
        processi.back()->start(scrittore, a);
        if (!processi.back()->waitForStarted())
            return false;
    }
    for (auto &p : processi) // a writer waits for its line before it begins
        p->write("\n"), p->waitForBytesWritten();
    bool bene = true;
    for (auto &p : processi) {
        const bool finito = p->waitForFinished(30000) && p->exitCode() == 0;
        EXPECT_TRUE(finito) << p->exitCode();
        bene = bene && finito;
    }
    return bene;
}
