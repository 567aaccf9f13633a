#include "store/filemese.h"
#include "support/aiuti.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Workstations appending to one shared month file at the same moment: every record must be
// whole and every appended movement present exactly once.
TEST(Concorrenza, ProcessesAppendingToOneMonthFile)
{
    nuovacasa();
    const QString dati = cartellalocale();
    const QString file = percorsomese("c:", 4, "26");
    const int processi = 4, ciascuno = 750;

    std::vector<std::unique_ptr<QProcess>> lavoratori;
    for (int id = 1; id <= processi; ++id) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(AGGIUNTORE),
                 {dati + "/mov0426", QString::number(id), QString::number(ciascuno)});
        ASSERT_TRUE(p->waitForStarted());
        lavoratori.push_back(std::move(p));
    }
    for (auto &p : lavoratori) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }

    QList<Movimento> tutti;
    ASSERT_TRUE(leggimovimenti(file, tutti));
    EXPECT_EQ(QFileInfo(dati + "/mov0426").size(), qint64(processi) * ciascuno * 118);
    ASSERT_EQ(tutti.size(), processi * ciascuno);
    QSet<QString> visti;
    for (const Movimento &m : tutti) {
        ASSERT_TRUE(m.descrizione1 == QStringLiteral("P%1").arg(m.ditta));
        ASSERT_TRUE(m.descrizione2.startsWith('N'));
        ASSERT_EQ(m.importo, m.descrizione2.mid(1).toLongLong());
        visti.insert(m.descrizione1 + m.descrizione2);
    }
    EXPECT_EQ(visti.size(), processi * ciascuno);
}
