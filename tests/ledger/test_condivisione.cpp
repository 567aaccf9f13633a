#include "ledger/elabora.h"
#include "store/filemese.h"
#include "store/quadrature.h"
#include "support/archivio.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

// Four workstations append 2,500 movements each to one month file (the append holds a lock
// while it reads the length and writes) while a fifth loads the ledger again and again: every
// load shows only whole records, and at the end there are 10,000 records, each exactly once.
TEST(Condivisione, FourWritersAndOneReaderOnOneMonthFile)
{
    const QString dati = nuovoarchivio();
    const int scrittori = 4, ciascuno = 2500;
    QProcess processi[scrittori];
    for (int id = 1; id <= scrittori; ++id)
        processi[id - 1].start(SCRITTORE,
                               {dati + "/mov0426", QString::number(id), QString::number(ciascuno)});
    auto finiti = [&] { // waitForFinished(0) lets a process notice it has ended
        return std::all_of(processi, processi + scrittori, [](QProcess &p) {
            return p.waitForFinished(0) || p.state() == QProcess::NotRunning;
        });
    };
    FiltroMese f{"c:", "26", 1, 2, 4, {}, 0};
    TabellaMese t;
    QSet<qint64> importi;
    auto leggi = [&](int ditta) { // every row whole: its company, its number in both fields
        f.dittacorrente = qint16(ditta);
        importi.clear();
        ASSERT_TRUE(elabora(t, f));
        for (int i = 1; i <= t.numerorighe; ++i) {
            ASSERT_EQ(t.riga(i).descrizione[0], QStringLiteral("P%1").arg(ditta));
            ASSERT_EQ("N" + QString::number(t.riga(i).importo), t.riga(i).descrizione[1]);
            importi.insert(t.riga(i).importo);
        }
    };
    for (int letture = 0; !finiti(); ++letture)
        ASSERT_NO_FATAL_FAILURE(leggi(1 + letture % scrittori));

    for (int ditta = 1; ditta <= scrittori; ++ditta) {
        ASSERT_NO_FATAL_FAILURE(leggi(ditta));
        ASSERT_TRUE(t.numerorighe == ciascuno && importi.size() == ciascuno);
    }
}

// Two workstations keep the statements of two accounts at the same moment: every statement and
// every confirmation is whole and kept once, and the latest statement is each account's own.
TEST(Condivisione, TwoWorkstationsKeepingStatementsLoseNothing)
{
    const QString dati = nuovoarchivio();
    const int ciascuno = 1500;
    const QString n = QString::number(ciascuno);
    ASSERT_TRUE(insieme(SCRITTORE, {{"quadrature", "c:", "3", n}, {"quadrature", "c:", "4", n}}));
    EXPECT_EQ(QFileInfo(dati + "/quadrature").size(), 2 * 2 * ciascuno * 64);
    for (qint16 conto : {3, 4}) {
        Conferme c;
        ASSERT_TRUE(leggiconferme("c:", 1, conto, c) && c.estratto);
        EXPECT_EQ(c.estratto->banca, "IT" + QString::number(conto));
        EXPECT_EQ(c.estratto->data, QDate(2026, 12, 31));
        EXPECT_EQ(c.estratto->saldo, 1459); // the last of the latest date
        for (int i = 0; i < ciascuno; ++i)
            ASSERT_TRUE(c.confermate.contains({2026, 1, i + 1, 1, 0, i})) << i;
        EXPECT_EQ(c.confermate.size(), ciascuno);
    }
}

// Two workstations carry the same account at once, again and again, its balance now 70,00 and
// now zero: each carry decides under the January file's lock, so neither ever finds two.
TEST(Condivisione, TwoWorkstationsCarryingAtOnceNeverLeaveTwoCarriedBalances)
{
    const QString dati = nuovoarchivio();
    const QStringList argomenti{QFileInfo(dati).path(), "1001"};
    ASSERT_TRUE(insieme(SCRITTORE, {argomenti, argomenti}));
    QList<Movimento> gennaio;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", 1, "27"), gennaio));
    EXPECT_EQ(std::count_if(gennaio.begin(), gennaio.end(),
                            [](const Movimento &m) { return m.segno != movimento::cancellato; }),
              1); // each ends on 70,00
}
