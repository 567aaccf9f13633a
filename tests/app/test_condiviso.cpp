// Another workstation writes to the shared archive while the main window is open.
#include "app/formprincipale.h"
#include "platform/date.h"
#include "store/ditte.h"
#include "support/finestre.h"

#include <QProcess>
#include <QScrollBar>

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
}
