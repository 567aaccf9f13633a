#include "ledger/elabora.h"
#include "support/archivio.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <vector>

// Four workstations append 2,500 movements each to one month file (the append holds a lock
// while it reads the length and writes) while a fifth loads the ledger again and again: every
// load shows only whole records, and at the end there are 10,000 records, each exactly once.
TEST(Condivisione, FourWritersAndOneReaderOnOneMonthFile)
{
    const QString dati = nuovoarchivio();
    const int scrittori = 4, ciascuno = 2500;
    QProcess processi[scrittori];
    for (int id = 1; id <= scrittori; ++id)
        processi[id - 1].start(
            QStringLiteral(SCRITTORE),
            {QFileInfo(dati).path(), QString::number(id), QString::number(ciascuno)});
    auto finiti = [&] {
        bool tutti = true;
        for (QProcess &p : processi)
            if (!p.waitForFinished(0) && p.state() != QProcess::NotRunning)
                tutti = false;
        return tutti;
    };
    FiltroMese f{"c:", "26", 1, 2, 4, {}, 0};
    TabellaMese t;
    for (int letture = 0; !finiti(); ++letture) {
        f.dittacorrente = qint16(1 + letture % scrittori);
        ASSERT_TRUE(elabora(t, f));
        for (int i = 1; i <= t.numerorighe; ++i) {
            ASSERT_EQ(t.riga(i).descrizione[0], QStringLiteral("P%1").arg(f.dittacorrente));
            ASSERT_EQ("N" + QString::number(t.riga(i).importo), t.riga(i).descrizione[1]);
        }
    }

    for (QProcess &p : processi)
        EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0);
    EXPECT_EQ(QFileInfo(dati + "/mov0426").size(), qint64(scrittori) * ciascuno * 118);
    for (f.dittacorrente = 1; f.dittacorrente <= scrittori; ++f.dittacorrente) {
        ASSERT_TRUE(elabora(t, f));
        ASSERT_EQ(t.numerorighe, ciascuno);
        std::vector<bool> presente(ciascuno, false);
        for (int i = 1; i <= t.numerorighe; ++i) {
            const qint64 n = t.riga(i).importo;
            ASSERT_TRUE(n >= 0 && n < ciascuno && !presente[size_t(n)]);
            presente[size_t(n)] = true;
        }
    }
}
