#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "support/aiuti.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void premi(QWidget &f, const char *nome) {
    auto *b = f.findChild<QAbstractButton *>(nome);
    ASSERT_TRUE(b) << nome;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Answers the entry window: types the given descriptions and amount and saves.
void compilaesalva(const QString &d1, const QString &d2, const QString &importo,
                   MovimentoCorrente *visto = nullptr) {
    quandomodale([=](QWidget *w) {
        ASSERT_TRUE(qobject_cast<Formregistra *>(w));
        if (visto) *visto = stato().movimentocorrente;
        auto *t0 = w->findChild<QLineEdit *>("Text1_0");
        t0->clear();
        QTest::keyClicks(t0, d1);
        QTest::keyClicks(w->findChild<QLineEdit *>("Text1_1"), d2);
        QTest::keyClicks(w->findChild<QLineEdit *>("testimporto"), importo);
        premi(*w, "registra");
    });
}

} // namespace

TEST(ComandiMovimento, NewMovementNeedsACompanyThenClearsTheSearchAndAppends) {
    nuovacasa();
    Formprincipale f;
    stato().ricerca[0] = "affitto";
    QString testo;
    accettamessaggio(&testo);
    premi(f, "nuovo");
    EXPECT_EQ(testo, "Selezionare una Ditta per continuare");
    EXPECT_EQ(stato().ricerca[0], "affitto");

    stato().dittacorrente = 1;
    stato().movimentocorrente.numero = 4; // left over: a new movement must not rewrite it
    MovimentoCorrente visto;
    compilaesalva("Incasso", "Contanti", "40", &visto);
    premi(f, "nuovo");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(visto.numero, 0);
    EXPECT_EQ(stato().ricerca[0], "");
    QList<Movimento> letti;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", oggi().month(), stato().annogestione), letti));
    ASSERT_EQ(letti.size(), 1);
    EXPECT_EQ(letti[0].importo, 400000);
    EXPECT_EQ(letti[0].ditta, 1);
}

TEST(ComandiMovimento, ModifyTakesTheSelectedRowAndForgetsItAfterwards) {
    nuovacasa();
    Formprincipale f;
    Stato &s = stato();
    s.dittacorrente = 1;
    Movimento m;
    m.giorno = 5;
    m.descrizione1 = "Affitto";
    m.descrizione2 = "Marzo";
    m.segno = 1;
    m.importo = 250000;
    m.conto = 2;
    m.ditta = 1;
    const QString file = percorsomese("c:", 3, s.annogestione);
    ASSERT_TRUE(aggiungimovimento(file, m));
    ASSERT_TRUE(aggiungimovimento(file, m));
    RigaMese &riga = s.tabellamese.righe[1];
    riga = {2, 5, 3, {"Affitto", "Marzo"}, 250000, 1, 0, 2, 0};
    s.tabellamese.numerorighe = 1;
    s.ricerca[1] = "Marzo";

    QString testo;
    accettamessaggio(&testo);
    f.rigaselezionata = 3; // an empty row
    f.findChild<QAction *>("modificamovimento")->trigger();
    EXPECT_EQ(testo, "Selezionare Movimento");

    f.rigaselezionata = 1;
    MovimentoCorrente visto;
    compilaesalva("Affitto sede", "", "", &visto);
    f.findChild<QAction *>("modificamovimento")->trigger();
    EXPECT_EQ(visto.numero, 2);
    EXPECT_EQ(visto.mese, 3);
    EXPECT_EQ(visto.segno, 1);
    EXPECT_EQ(s.movimentocorrente.numero, 0);
    EXPECT_EQ(f.rigaselezionata, 0);
    EXPECT_EQ(s.ricerca[1], "Marzo"); // a filtered view stays filtered

    QList<Movimento> letti;
    ASSERT_TRUE(leggimovimenti(file, letti));
    ASSERT_EQ(letti.size(), 2);
    EXPECT_EQ(letti[0], m);
    m.descrizione1 = "Affitto sede";
    EXPECT_EQ(letti[1], m);
}

TEST(ComandiMovimento, AddressBookOpensForMaintenanceNotForAPick) {
    nuovacasa();
    Formprincipale f;
    stato().sceltacontatto = -1;
    bool aperta = false;
    quandomodale([&](QWidget *w) {
        aperta = qobject_cast<Formproduttore *>(w) && stato().sceltacontatto == 0;
        w->close();
    });
    premi(f, "rubrica");
    EXPECT_TRUE(aperta);
}
