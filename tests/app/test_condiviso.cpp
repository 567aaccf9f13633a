// Another workstation writes to the shared archive while the main window is open.
#include "app/formprincipale.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "platform/sentinella.h"
#include "store/ditte.h"
#include "store/guasti.h"
#include "support/finestre.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <atomic>

TEST(Condiviso, WhatOtherWorkstationsWriteShowsByItselfButNeverUnderAWindow)
{
    nuovoarchivio({"Alfa"});
    const QString mese = scrivimese(5, {mov(2, 0, 5 * euro, "Sel")}, annoyy(oggi()));
    const QString conti = cartellalocale() + "/listconto";
    scrivibyte(conti, QByteArray("Banca").leftJustified(50));
    Formprincipale f;
    f.show();
    clicca(&f, "aprimese_5");
    // The other workstation appends quanti movements of company 1 to May, days 1, 2, 3...
    const auto altrapostazione = [&](int quanti) {
        ASSERT_EQ(QProcess::execute(SCRITTORE, {mese, "1", QString::number(quanti)}), 0);
    };
    const auto mostra = [&](const char *totale) {
        return QTest::qWaitFor([&] { return testo(&f, "Label7") == totale; }, 3000);
    };
    QTest::mousePress(f.findChild<QLabel *>("descri1_0"), Qt::LeftButton); // Sel, record 1
    altrapostazione(200); // 0,00 to 0,0199 euro; eight of them dated the 1st
    EXPECT_TRUE(mostra("6,99"));
    EXPECT_EQ(testo(&f, "descri1_0") + testo(&f, "descri1_8"), "P1Sel");
    EXPECT_EQ(f.rigaselezionata, 8);
    f.findChild<QScrollBar *>("scroll")->setValue(150);
    altrapostazione(28); // 0,0378 euro more
    EXPECT_TRUE(mostra("7,03"));
    EXPECT_EQ(f.findChild<QScrollBar *>("scroll")->value(), 150);

    // Nothing reloads under the entry window; its closing shows what came meanwhile.
    quandomodale([&](QWidget *finestra) {
        altrapostazione(3);
        QTest::qWait(2500); // a notification and a poll
        EXPECT_EQ(stato().tabellamese.numerorighe, 229);
        finestra->close();
    });
    clicca(&f, "nuovo");
    EXPECT_EQ(stato().tabellamese.numerorighe, 232);

    // The lists: an account renamed and one appended, the company renamed.
    scrivibyte(conti,
               QByteArray("Carta").leftJustified(50) + QByteArray("Posta").leftJustified(50));
    ASSERT_TRUE(scrividitte("c:", {"Alfa srl"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            auto *posta = f.findChild<QAction *>("Toolbar1_4");
            return posta && posta->text() == "Posta" &&
                   testo(&f, "StatusBar2_1") == "Ditta Alfa srl" &&
                   f.findChild<QAction *>("Toolbar1_3")->iconText() == "Carta";
        },
        3000));

    // After another data root is chosen the names stay as read until the next start.
    const QString rete = cartellautente() + "/rete/";
    QDir().mkpath(rete + "quaderoladati");
    ASSERT_TRUE(scrividitte(rete, {"Rete"}));
    stato().percorso = rete;
    clicca(&f, "aprimese_5");
    ASSERT_TRUE(scrividitte(rete, {"Rete srl"}));
    scrivibyte(rete + "quaderoladati/listconto", QByteArray("Rete").leftJustified(50));
    QTest::qWait(Sentinella::intervallo + 500);
    EXPECT_EQ(testo(&f, "StatusBar2_1") + f.findChild<QAction *>("Toolbar1_3")->iconText(),
              "Ditta Alfa srlCarta");
}

// March opened while the folder was out of reach: January got no file, and March could not
// be read for a while.
TEST(Condiviso, AChangeShowsOnceMarchCanBeReadEvenWithoutAFileForJanuary)
{
    nuovoarchivio({"Alfa"});
    const QString marzo = scrivimese(3, {mov(2, 0, 5 * euro)}, annoyy(oggi()));
    const QString gennaio = cartellalocale() + "/mov01" + annoyy(oggi());
    Formprincipale f;
    clicca(&f, "aprimese_3");
    ASSERT_TRUE(QFile::remove(gennaio));
    const auto righe = [&](int n) {
        return QTest::qWaitFor([&] { return stato().tabellamese.numerorighe == n; }, 3000);
    };
    ASSERT_EQ(QProcess::execute(SCRITTORE, {marzo, "1", "1"}), 0);
    EXPECT_TRUE(righe(2));
    EXPECT_FALSE(QFile::exists(gennaio));

    impostaguasto([](Operazione o, const QString &file) {
        return o == Operazione::Lettura && file.contains("mov03");
    });
    ASSERT_EQ(QProcess::execute(SCRITTORE, {marzo, "1", "1"}), 0);
    QTest::qWait(Sentinella::intervallo + 500);
    impostaguasto({});
    EXPECT_EQ(stato().tabellamese.numerorighe, 2);
    EXPECT_TRUE(righe(3));
}

// A check stuck on a folder that does not answer: the window goes on, no check piles up
// behind it, none starts after the window closed, and the program can end meanwhile.
TEST(Condiviso, AFolderThatDoesNotAnswerNeverHoldsTheWindow)
{
    static std::atomic<int> entrati = 0;
    static std::atomic<bool> libera = false;
    Sentinella::impostasonda([](const QString &file) {
        if (!file.endsWith("listditta"))
            return;
        ++entrati; // one check
        for (int i = 0; i < 500 && !libera; ++i)
            QThread::msleep(10);
    });
    nuovoarchivio({"Alfa"});
    auto f = std::make_unique<Formprincipale>();
    f->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return entrati == 1; }, 3000));
    QSignalSpy richieste(f->findChild<Sentinella *>(), &Sentinella::richiesta);
    QElapsedTimer tempo;
    qint64 pausa = 0;
    QTimer battito;
    QObject::connect(&battito, &QTimer::timeout, [&] { pausa = qMax(pausa, tempo.restart()); });
    battito.start(50);
    tempo.start();
    QTest::qWait(2 * Sentinella::intervallo + 200);
    EXPECT_LT(qMax(pausa, tempo.elapsed()), 500);
    EXPECT_EQ(richieste.count(), 0);

    f->close();
    libera = true;
    QTest::qWait(Sentinella::intervallo + 500);
    EXPECT_EQ(entrati, 1);

    libera = false;
    f = std::make_unique<Formprincipale>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return entrati == 2; }, 3000));
    tempo.start();
    f.reset();
    EXPECT_LT(tempo.elapsed(), 1000);
    libera = true;
    Sentinella::impostasonda({});
}
