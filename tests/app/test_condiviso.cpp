// Another workstation writes to the shared archive while the main window is open.
#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "support/aiuti.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Condiviso : ::testing::Test {
    QString mese;
    std::unique_ptr<Formprincipale> f;

    void SetUp() override
    {
        nuovacasa();
        mese = cartellalocale() + "/mov05" + annoyy(oggi());
        ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
        scrivibyte(mese, movimento::codifica({2, "Sel", "", 0, 50000, 2, 1, 0}));
        f = std::make_unique<Formprincipale>();
        f->show();
        f->findChild<QAbstractButton *>("aprimese_5")->click();
    }
    // The other workstation appends quanti movements of company 1 to May, days 1, 2, 3...
    void altrapostazione(int quanti)
    {
        ASSERT_EQ(QProcess::execute(SCRITTORE, {mese, "1", QString::number(quanti)}), 0);
    }
    QString testo(const QString &nome) { return f->findChild<QLabel *>(nome)->text(); }
};

} // namespace

TEST_F(Condiviso, MovementsAppendedElsewhereShowKeepingSelectionAndScroll)
{
    QTest::mousePress(f->findChild<QLabel *>("descri1_0"), Qt::LeftButton); // Sel, record 1
    altrapostazione(200); // 0,00 to 0,0199 euro; eight of them dated the 1st
    EXPECT_TRUE(QTest::qWaitFor([&] { return testo("Label7") == "6,99"; }, 3000));
    EXPECT_EQ(testo("descri1_0"), "P1");
    EXPECT_EQ(testo("descri1_8"), "Sel");
    EXPECT_EQ(f->rigaselezionata, 8);
    f->findChild<QScrollBar *>("scroll")->setValue(150);
    altrapostazione(28); // 0,0378 euro more
    EXPECT_TRUE(QTest::qWaitFor([&] { return testo("Label7") == "7,03"; }, 3000));
    EXPECT_EQ(f->findChild<QScrollBar *>("scroll")->value(), 150);
}

TEST_F(Condiviso, NothingReloadsUnderTheEntryWindow)
{
    quandomodale([&](QWidget *finestra) {
        altrapostazione(3);
        QTest::qWait(2500); // a notification and a poll
        EXPECT_EQ(stato().tabellamese.numerorighe, 1);
        finestra->close();
    });
    f->findChild<QAbstractButton *>("nuovo")->click();
    EXPECT_EQ(stato().tabellamese.numerorighe, 4);
}

TEST_F(Condiviso, ListsChangedElsewhereShowTheirNames)
{
    const QString conti = percorsonativo(percorsoconti("c:"));
    ASSERT_EQ(QProcess::execute("sh", {"-c", "printf '%-50s' Banca >> '" + conti + "'"}), 0);
    ASSERT_TRUE(scrividitte("c:", {"Alfa srl"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return f->findChild<QAction *>("Toolbar1_3") &&
                   testo("StatusBar2_1") == "Ditta Alfa srl";
        },
        3000));
    EXPECT_EQ(f->findChild<QAction *>("Toolbar1_3")->text(), "Banca");
}
