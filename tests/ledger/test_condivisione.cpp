#include "ledger/elabora.h"
#include "store/filemese.h"
#include "support/aiuti.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Four workstations append 2,500 movements each to one month file (the append holds a lock
// while it reads the length and writes) while a fifth loads the ledger again and again: every
// load shows only whole records, and at the end there are 10,000 records, each exactly once.
TEST(Condivisione, FourWritersAndOneReaderOnOneMonthFile)
{
    nuovacasa();
    const QString dati = cartellalocale();
    const int scrittori = 4, ciascuno = 2500;
    std::vector<std::unique_ptr<QProcess>> processi;
    for (int id = 1; id <= scrittori; ++id) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(AGGIUNTORE),
                 {dati + "/mov0426", QString::number(id), QString::number(ciascuno)});
        ASSERT_TRUE(p->waitForStarted());
        processi.push_back(std::move(p));
    }

    FiltroMese f;
    f.percorso = "c:";
    f.annogestione = "26";
    f.contocorrente = 1;
    f.mesecorrente = 4;
    TabellaMese t;
    int letture = 0;
    std::vector<int> visti(scrittori + 1, 0);
    auto finiti = [&] {
        for (auto &p : processi)
            if (p->state() != QProcess::NotRunning)
                return false;
        return true;
    };
    do {
        f.dittacorrente = qint16(1 + letture % scrittori);
        ASSERT_TRUE(elabora(t, f));
        for (int i = 1; i <= t.numerorighe; ++i) {
            const RigaMese &r = t.riga(i);
            ASSERT_EQ(r.descrizione[0], QStringLiteral("P%1").arg(f.dittacorrente)) << "torn row";
            ASSERT_EQ(QStringLiteral("N%1").arg(r.importo), r.descrizione[1]) << "torn row";
        }
        ASSERT_GE(t.numerorighe, visti[f.dittacorrente]); // a load never loses rows
        visti[f.dittacorrente] = t.numerorighe;
        ++letture;
        for (auto &p : processi)
            p->waitForFinished(0);
    } while (!finiti());

    for (auto &p : processi)
        EXPECT_EQ(p->exitCode(), 0);
    EXPECT_EQ(QFileInfo(dati + "/mov0426").size(), qint64(scrittori) * ciascuno * 118);
    for (int id = 1; id <= scrittori; ++id) {
        f.dittacorrente = qint16(id);
        ASSERT_TRUE(elabora(t, f));
        ASSERT_EQ(t.numerorighe, ciascuno);
        std::vector<bool> presente(ciascuno, false);
        for (int i = 1; i <= t.numerorighe; ++i) {
            const qint64 n = t.riga(i).importo;
            ASSERT_TRUE(n >= 0 && n < ciascuno && !presente[size_t(n)]);
            presente[size_t(n)] = true;
        }
    }
    RecordProperty("loads", letture);
}
