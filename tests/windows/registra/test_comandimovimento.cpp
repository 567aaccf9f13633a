#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "support/aiuti.h"
#include "windows/registra/formregistra.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers the entry window: notes what it was given, adds the texts and saves.
void compilaesalva(const QString &d1, const QString &d2, const QString &importo,
                   MovimentoCorrente *visto)
{
    quandomodale([=](QWidget *w) {
        ASSERT_TRUE(qobject_cast<Formregistra *>(w));
        *visto = stato().movimentocorrente;
        QTest::keyClicks(w->findChild<QLineEdit *>("Text1_0"), d1);
        QTest::keyClicks(w->findChild<QLineEdit *>("Text1_1"), d2);
        QTest::keyClicks(w->findChild<QLineEdit *>("testimporto"), importo);
        QTest::mouseClick(w->findChild<QAbstractButton *>("registra"), Qt::LeftButton);
    });
}

} // namespace

TEST(ComandiMovimento, NewMovementNeedsACompanyThenClearsTheSearchAndAppends)
{
    nuovacasa();
    Formprincipale f;
    stato().ricerca[0] = "affitto";
    QString testo;
    accettamessaggio(&testo);
    QTest::mouseClick(f.findChild<QAbstractButton *>("nuovo"), Qt::LeftButton);
    EXPECT_EQ(testo, "Selezionare una Ditta per continuare");

    stato().dittacorrente = 1;
    stato().movimentocorrente.numero = 4; // left over: a new movement must not rewrite it
    MovimentoCorrente visto;
    compilaesalva("Incasso", "Contanti", "40", &visto);
    QTest::mouseClick(f.findChild<QAbstractButton *>("nuovo"), Qt::LeftButton);
    EXPECT_EQ(visto.numero, 0);
    EXPECT_EQ(stato().ricerca[0], "");
    QList<Movimento> letti;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", oggi().month(), stato().annogestione), letti));
    ASSERT_EQ(letti.size(), 1);
    EXPECT_EQ(letti[0].importo, 400000);
}

TEST(ComandiMovimento, ModifyTakesTheSelectedRowAndForgetsItAfterwards)
{
    nuovacasa();
    Formprincipale f;
    Stato &s = stato();
    s.dittacorrente = 1;
    Movimento m{5, "Affitto", "Marzo", 1, 250000, 2, 1, 0};
    const QString file = percorsomese("c:", 3, s.annogestione);
    ASSERT_TRUE(aggiungimovimento(file, m));
    ASSERT_TRUE(aggiungimovimento(file, m));
    s.tabellamese.righe[1] = {2, 5, 3, {"Affitto", "Marzo"}, 250000, 1, 0, 2, 0};
    s.tabellamese.numerorighe = 1;
    s.ricerca[1] = "Marzo";

    QString testo;
    accettamessaggio(&testo);
    f.rigaselezionata = 3; // an empty row
    f.findChild<QAction *>("modificamovimento")->trigger();
    EXPECT_EQ(testo, "Selezionare Movimento");

    f.rigaselezionata = 1;
    MovimentoCorrente visto;
    compilaesalva(" sede", "", "", &visto);
    f.findChild<QAction *>("modificamovimento")->trigger();
    EXPECT_EQ(visto.numero, 2);
    EXPECT_EQ(visto.mese, 3);
    EXPECT_EQ(s.movimentocorrente.numero, 0);
    EXPECT_EQ(f.rigaselezionata, 0);
    EXPECT_EQ(s.ricerca[1], "Marzo"); // a filtered view stays filtered

    QList<Movimento> letti;
    ASSERT_TRUE(leggimovimenti(file, letti));
    Movimento modificato = m;
    modificato.descrizione1 = "Affitto sede";
    EXPECT_EQ(letti, QList<Movimento>({m, modificato}));
}
