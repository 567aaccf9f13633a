#include "store/filemese.h"
#include "store/rubrica.h"
#include "support/finestre.h"
#include "support/importa.h"
#include "windows/importa/formimporta.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QTableWidget>

namespace {

const QString vodafone = "ADDEBITO SEPA DD PER FATTURA A VOSTRO CARICO Incasso %1 SDD da "
                         "ITXXXXXX000093026890017 VODAFONE ITALIA SPA";

QTableWidget *griglia(const QWidget *f, const char *nome = "griglia")
{
    return f->findChild<QTableWidget *>(nome);
}

// "Descrizione|Descrizione 2" of a row.
std::string descrizioni(const QWidget *f, int r)
{
    return (griglia(f)->item(r, 2)->text() + "|" + griglia(f)->item(r, 3)->text()).toStdString();
}

// Writes in a description cell as the user does: F2 on the first, a double-click on the second.
void scrivi(QWidget *f, int r, int c, const QString &testo)
{
    QTableWidget *g = griglia(f);
    g->setCurrentCell(r, c);
    if (c == 2)
        QTest::keyClick(g, Qt::Key_F2);
    else
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(r, c)).center()),
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {},
                               g->visualItemRect(g->item(r, c)).center());
    auto *editore = qobject_cast<QLineEdit *>(g->indexWidget(g->model()->index(r, c)));
    ASSERT_TRUE(editore);
    editore->selectAll();
    QTest::keyClicks(editore, testo);
    QTest::keyClick(editore, Qt::Key_Return);
}

} // namespace

// The user corrects the rows of a first statement; a second one of the same counterparties, in
// another bank's words, arrives with the user's words and contact, the bank's text in the
// tooltip beside "regola"; a rule dropped in Formregole gives the bank's words back at once.
TEST(Descrizioni, WordsTheUserWritesComeBackOnTheNextStatement)
{
    nuovoarchivio({"Alfa"});
    Contatto c;
    c.ragionesociale = "Vodafone Italia";
    ASSERT_TRUE(aggiungicontatto("c:", c));
    apri(2);
    {
        Formimporta f(estratto({riga(2, 3, -300000, vodafone.arg("105XXX6018")),
                                riga(3, 3, -25000, "PAGAMENTO POS PRESSO BAR SPORT"),
                                riga(4, 3, -9000, "CANONE")}));
        f.show();
        EXPECT_EQ(descrizioni(&f, 0), "VODAFONE ITALIA SPA|Addebito diretto SEPA");
        EXPECT_EQ(griglia(&f)->item(0, 5)->toolTip(), vodafone.arg("105XXX6018"));
        scrivi(&f, 0, 2, "vodafone italia");
        scrivi(&f, 1, 3, "Colazione");
        scrivi(&f, 2, 2, "Banca Alfa");
        griglia(&f)->item(2, 0)->setCheckState(Qt::Unchecked); // not imported: nothing learned
        EXPECT_EQ(descrizioni(&f, 0), "Vodafone Italia|Addebito diretto SEPA");
        // A description widened past the window: the amounts stay in it.
        QHeaderView *h = griglia(&f)->horizontalHeader();
        h->resizeSection(2, 2 * h->length());
        EXPECT_LE(h->length(), griglia(&f)->viewport()->width());
        EXPECT_GT(h->sectionSize(2), h->sectionSize(3));
        clicca(&f, "registra");
    }
    QList<Regola> regole;
    ASSERT_TRUE(leggiregole("c:", 1, regole));
    EXPECT_EQ(regole, (QList<Regola>{{"VODAFONE ITALIA SPA", "Vodafone Italia", "", 1},
                                     {"BAR SPORT", "", "Colazione", 0}}));

    Formimporta f(estratto(
        {riga(2, 4, -310000, vodafone.arg("205XXX7777")),
         riga(3, 4, -18000, "Pag. del 02/04/26 ora 08:10 presso: BAR SPORT Carta N *****391"),
         riga(4, 4, -5000, "Bar Sport")}));
    f.show();
    EXPECT_EQ(descrizioni(&f, 0), "Vodafone Italia|Addebito diretto SEPA");
    EXPECT_EQ(griglia(&f)->item(0, 2)->toolTip(), "regola: " + vodafone.arg("205XXX7777"));
    EXPECT_EQ(descrizioni(&f, 1), "BAR SPORT|Colazione");
    EXPECT_EQ(descrizioni(&f, 2),
              "Bar Sport|Colazione"); // the same counterparty, spelt another way
    scrivi(&f, 2, 3, "Cappuccino");   // written by hand: stays
    quandomodale([](QWidget *w) {
        QTableWidget *elenco = griglia(w, "elenco");
        ASSERT_EQ(elenco->rowCount(), 2);
        EXPECT_EQ(elenco->item(0, 3)->text(), "Vodafone Italia");
        elenco->selectRow(1);
        clicca(w, "cancella");
        EXPECT_EQ(elenco->rowCount(), 1);
        clicca(w, "annulla");
    });
    clicca(&f, "regole");
    EXPECT_EQ(descrizioni(&f, 1), "BAR SPORT|Pagamento con carta");
    EXPECT_EQ(descrizioni(&f, 2), "Bar Sport|Cappuccino");
    EXPECT_FALSE(griglia(&f)->item(1, 2)->toolTip().startsWith("regola"));
    f.findChild<QCheckBox *>("ricorda")->setChecked(false);
    clicca(&f, "registra");
    ASSERT_TRUE(leggiregole("c:", 1, regole));
    EXPECT_EQ(regole.size(), 1);
    QList<Movimento> aprile;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", 4, "26"), aprile));
    ASSERT_EQ(aprile.size(), 3);
    EXPECT_EQ(aprile[0], mov(2, 1, 310000, "Vodafone Italia", 2, 1, "Addebito diretto SEPA", 1));
}
