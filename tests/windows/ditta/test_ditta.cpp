#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/ditte.h"
#include "support/aiuti.h"
#include "windows/ditta/formditta.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Ditte : ::testing::Test {
    QString dati;
    void SetUp() override
    {
        nuovacasa();
        dati = cartellalocale();
        stato() = Stato();
    }
    void TearDown() override { EXPECT_TRUE(nessunarispostainattesa()); }
    QByteArray lista() const { return leggibyte(dati + "/listditta"); }
    static QListWidget *elenco(Formditta &d) { return d.findChild<QListWidget *>("Lista"); }
    static void premi(Formditta &d, const char *nome)
    {
        d.findChild<QAbstractButton *>(QLatin1String(nome))->click();
    }
};

} // namespace

TEST_F(Ditte, NewFolderNeedsACompanyBeforeClosing)
{
    Formditta d;
    d.show();
    EXPECT_EQ(d.windowTitle(), "");
    EXPECT_EQ(elenco(d)->count(), 0);
    QString messaggio;
    accettamessaggio(&messaggio);
    premi(d, "annulla");
    EXPECT_EQ(messaggio, "Selezionare una Ditta per continuare");
    EXPECT_TRUE(d.isVisible());

    QString titolo;
    rispondiinput("  Alfa ", &titolo);
    premi(d, "aggiungi");
    EXPECT_EQ(titolo, "Aggiunta nuova Ditta");
    EXPECT_EQ(lista(), "1\r\n\"Alfa\"\r\n");
    EXPECT_EQ(stato().dittacorrente, 1);
    EXPECT_EQ(stato().nomeditta, "Alfa");
    EXPECT_EQ(elenco(d)->currentRow(), 0);
    premi(d, "annulla");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(Ditte, RenameRewritesTheListInOrder)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta", "Gamma"}));
    stato().dittacorrente = 2;
    Formditta d;
    EXPECT_EQ(elenco(d)->currentRow(), 1);
    EXPECT_EQ(stato().nomeditta, "Beta");

    QString titolo;
    rispondiinput("", &titolo); // cancelled: nothing written
    premi(d, "modifica");
    EXPECT_EQ(titolo, "Modifica Ditta Beta");
    EXPECT_EQ(lista(), "3\r\n\"Alfa\"\r\n\"Beta\"\r\n\"Gamma\"\r\n");

    rispondiinput(" Delta ");
    premi(d, "modifica");
    EXPECT_EQ(lista(), "3\r\n\"Alfa\"\r\n\"Delta\"\r\n\"Gamma\"\r\n");
    EXPECT_EQ(stato().dittacorrente, 2);
    EXPECT_EQ(stato().nomeditta, "Delta");

    rispondiinput("Epsilon");
    premi(d, "aggiungi");
    EXPECT_EQ(lista(), "4\r\n\"Alfa\"\r\n\"Delta\"\r\n\"Gamma\"\r\n\"Epsilon\"\r\n");
    EXPECT_EQ(stato().dittacorrente, 4);
    EXPECT_EQ(stato().nomeditta, "Epsilon");

    QTest::mouseClick(elenco(d)->viewport(), Qt::LeftButton, {},
                      elenco(d)->visualItemRect(elenco(d)->item(0)).center());
    EXPECT_EQ(stato().dittacorrente, 1);
    EXPECT_EQ(stato().nomeditta, "Alfa");
}

TEST_F(Ditte, CompanyPastTheListSelectsNothingAndCannotBeRenamed)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
    stato().dittacorrente = 3;
    stato().nomeditta = "Altrove";
    Formditta d;
    d.show();
    EXPECT_TRUE(elenco(d)->selectedItems().isEmpty());
    EXPECT_EQ(stato().dittacorrente, 3);
    EXPECT_EQ(stato().nomeditta, "Altrove");
    QString messaggio;
    accettamessaggio(&messaggio);
    premi(d, "modifica");
    EXPECT_EQ(messaggio, "Selezionare Ditta da Rinominare");
    premi(d, "annulla"); // a company is current, so the window closes
    EXPECT_FALSE(d.isVisible());
}

TEST_F(Ditte, TheThousandthCompanyIsTheLast)
{
    QStringList nomi;
    for (int i = 1; i <= 999; ++i)
        nomi << QStringLiteral("Ditta %1").arg(i);
    ASSERT_TRUE(scrividitte("c:", nomi));
    Formditta d;
    rispondiinput("Ultima");
    premi(d, "aggiungi");
    EXPECT_EQ(elenco(d)->count(), 1000);
    EXPECT_EQ(stato().dittacorrente, 1000);
    const QByteArray piena = lista();
    EXPECT_TRUE(piena.startsWith("1000\r\n"));
    QString messaggio;
    accettamessaggio(&messaggio);
    premi(d, "aggiungi");
    EXPECT_EQ(messaggio, "Limite Raggiunto");
    EXPECT_EQ(lista(), piena);
}

TEST_F(Ditte, NamesTheListCannotHoldAndFailedWritesChangeNothing)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
    stato().dittacorrente = 1;
    Formditta d;
    const QByteArray prima = lista();
    QString messaggio;
    rispondiinput("Bar \"Da Gigi\"");
    accettamessaggio(&messaggio);
    premi(d, "aggiungi");
    EXPECT_TRUE(messaggio.contains("virgolette")) << messaggio.toStdString();
    rispondiinput("Al\"fa");
    accettamessaggio();
    premi(d, "modifica");
    EXPECT_EQ(lista(), prima);
    EXPECT_EQ(elenco(d)->count(), 1);

    if (!bloccacartella(dati))
        GTEST_SKIP() << "the folder cannot be locked here";
    rispondiinput("Beta");
    accettamessaggio(&messaggio);
    premi(d, "aggiungi");
    sbloccacartella(dati);
    EXPECT_TRUE(messaggio.contains("listditta")) << messaggio.toStdString();
    EXPECT_EQ(lista(), prima);
    EXPECT_EQ(elenco(d)->count(), 1);
    EXPECT_EQ(stato().dittacorrente, 1);
    rispondiinput("Gamma"); // the list kept as it was: the next name is company 2
    premi(d, "aggiungi");
    EXPECT_EQ(lista(), "2\r\n\"Alfa\"\r\n\"Gamma\"\r\n");
}

TEST_F(Ditte, TheStatusBarOpensTheWindowAndShowsTheChoice)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta"}));
    Formprincipale f;
    f.show();
    stato().ricerca[1] = "x";
    quandomodale([](QWidget *w) {
        auto *d = qobject_cast<Formditta *>(w);
        ASSERT_TRUE(d);
        auto *l = d->findChild<QListWidget *>("Lista");
        l->setCurrentRow(1);
        d->findChild<QAbstractButton *>("annulla")->click();
    });
    QTest::mouseClick(f.findChild<QLabel *>("StatusBar2_1"), Qt::LeftButton);
    EXPECT_EQ(stato().dittacorrente, 2);
    EXPECT_EQ(f.findChild<QLabel *>("StatusBar2_1")->text(), "Ditta Beta");
    EXPECT_TRUE(stato().ricerca[1].isEmpty());
    EXPECT_EQ(f.findChild<QLabel *>("Label9")->text(), "0,00"); // the ledger was loaded
}
