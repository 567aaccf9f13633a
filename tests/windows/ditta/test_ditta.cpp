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
    static std::string scelta()
    {
        return (QString::number(stato().dittacorrente) + " " + stato().nomeditta).toStdString();
    }
    static QListWidget *elenco(Formditta &d) { return d.findChild<QListWidget *>("Lista"); }
    // Presses the button, accepting the message box it shows, if any, and keeping its text.
    static void premi(Formditta &d, const char *nome, QString *messaggio = nullptr)
    {
        if (messaggio)
            accettamessaggio(messaggio);
        d.findChild<QAbstractButton *>(QLatin1String(nome))->click();
    }
    // Presses "aggiungi" or "modifica" answering its input box with nome (empty = Cancel);
    // returns the input box's title.
    static QString chiedi(Formditta &d, const char *pulsante, const QString &nome,
                          QString *messaggio = nullptr)
    {
        QString titolo;
        rispondiinput(nome, &titolo);
        premi(d, pulsante, messaggio);
        return titolo;
    }
};

} // namespace

TEST_F(Ditte, NewFolderNeedsACompanyBeforeClosing)
{
    Formditta d;
    d.show();
    EXPECT_EQ(elenco(d)->count(), 0);
    QString messaggio;
    premi(d, "annulla", &messaggio);
    EXPECT_EQ(messaggio, "Selezionare una Ditta per continuare");
    EXPECT_TRUE(d.isVisible());

    EXPECT_EQ(chiedi(d, "aggiungi", "  Alfa "), "Aggiunta nuova Ditta");
    EXPECT_EQ(lista(), "1\r\n\"Alfa\"\r\n");
    EXPECT_EQ(scelta(), "1 Alfa");
    EXPECT_EQ(elenco(d)->currentRow(), 0);
    premi(d, "annulla");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

// Renaming rewrites the list in place, adding appends; names with a double quote, which the
// list cannot hold, are refused.
TEST_F(Ditte, RenameAndAddRewriteTheListInOrder)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta", "Gamma"}));
    stato().dittacorrente = 2;
    Formditta d;
    EXPECT_EQ(elenco(d)->currentRow(), 1);
    EXPECT_EQ(scelta(), "2 Beta");
    const QByteArray prima = lista();
    EXPECT_EQ(chiedi(d, "modifica", ""), "Modifica Ditta Beta"); // cancelled
    QString messaggio;
    chiedi(d, "aggiungi", "Bar \"Da Gigi\"", &messaggio);
    EXPECT_TRUE(messaggio.contains("virgolette")) << messaggio.toStdString();
    chiedi(d, "modifica", "Al\"fa", &messaggio);
    EXPECT_EQ(lista(), prima);
    EXPECT_EQ(elenco(d)->count(), 3);

    chiedi(d, "modifica", " Delta ");
    EXPECT_EQ(lista(), "3\r\n\"Alfa\"\r\n\"Delta\"\r\n\"Gamma\"\r\n");
    EXPECT_EQ(scelta(), "2 Delta");
    chiedi(d, "aggiungi", "Epsilon");
    EXPECT_EQ(lista(), "4\r\n\"Alfa\"\r\n\"Delta\"\r\n\"Gamma\"\r\n\"Epsilon\"\r\n");
    EXPECT_EQ(scelta(), "4 Epsilon");
    QTest::mouseClick(elenco(d)->viewport(), Qt::LeftButton, {},
                      elenco(d)->visualItemRect(elenco(d)->item(0)).center());
    EXPECT_EQ(scelta(), "1 Alfa");
}

TEST_F(Ditte, CompanyPastTheListSelectsNothingAndCannotBeRenamed)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
    stato().dittacorrente = 3;
    stato().nomeditta = "Altrove";
    Formditta d;
    d.show();
    EXPECT_TRUE(elenco(d)->selectedItems().isEmpty());
    EXPECT_EQ(scelta(), "3 Altrove");
    QString messaggio;
    premi(d, "modifica", &messaggio);
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
    chiedi(d, "aggiungi", "Ultima");
    EXPECT_EQ(elenco(d)->count(), 1000);
    EXPECT_EQ(scelta(), "1000 Ultima");
    const QByteArray piena = lista();
    EXPECT_TRUE(piena.startsWith("1000\r\n"));
    QString messaggio;
    premi(d, "aggiungi", &messaggio);
    EXPECT_EQ(messaggio, "Limite Raggiunto");
    EXPECT_EQ(lista(), piena);
}

TEST_F(Ditte, FailedWritesChangeNothing)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
    stato().dittacorrente = 1;
    Formditta d;
    if (!bloccacartella(dati))
        GTEST_SKIP() << "the folder cannot be locked here";
    QString messaggio;
    chiedi(d, "aggiungi", "Beta", &messaggio);
    sbloccacartella(dati);
    EXPECT_TRUE(messaggio.contains("listditta")) << messaggio.toStdString();
    EXPECT_EQ(elenco(d)->count(), 1);
    EXPECT_EQ(stato().dittacorrente, 1);
    chiedi(d, "aggiungi", "Gamma"); // the list kept as it was: the next name is company 2
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
        elenco(*d)->setCurrentRow(1);
        premi(*d, "annulla");
    });
    QTest::mouseClick(f.findChild<QLabel *>("StatusBar2_1"), Qt::LeftButton);
    EXPECT_EQ(stato().dittacorrente, 2);
    EXPECT_EQ(f.findChild<QLabel *>("StatusBar2_1")->text(), "Ditta Beta");
    EXPECT_TRUE(stato().ricerca[1].isEmpty());
    EXPECT_EQ(f.findChild<QLabel *>("Label9")->text(), "0,00"); // the ledger was loaded
}
