#include "app/formprincipale.h"
#include "store/ditte.h"
#include "support/finestre.h"
#include "windows/ditta/formditta.h"

namespace {

struct Ditte : ::testing::Test {
    QString dati = nuovoarchivio();
    void TearDown() override { EXPECT_TRUE(nessunarispostainattesa()); }
    QByteArray lista() const { return leggibyte(dati + "/listditta"); }
    static std::string scelta()
    {
        return (QString::number(stato().dittacorrente) + " " + stato().nomeditta).toStdString();
    }
    static QListWidget *elenco(Formditta &d) { return d.findChild<QListWidget *>("Lista"); }
    // Presses "aggiungi" or "modifica" answering its input box with nome (empty = Cancel);
    // returns the input box's title and the message that followed.
    static QString chiedi(Formditta &d, const char *pulsante, const QString &nome)
    {
        QString titolo;
        rispondiinput(nome, &titolo);
        const QString m = messaggio([&] { clicca(&d, pulsante); });
        return titolo + m;
    }
};

} // namespace

TEST_F(Ditte, NewFolderNeedsACompanyBeforeClosing)
{
    Formditta d;
    d.show();
    EXPECT_EQ(messaggio([&] { clicca(&d, "annulla"); }), "Selezionare una Ditta per continuare");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(chiedi(d, "aggiungi", "  Alfa "), "Aggiunta nuova Ditta");
    EXPECT_EQ(lista(), "1\r\n\"Alfa\"\r\n");
    EXPECT_EQ(scelta(), "1 Alfa");
    EXPECT_EQ(elenco(d)->currentRow(), 0);
    clicca(&d, "annulla");
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
    EXPECT_EQ(scelta(), "2 Beta");
    const QByteArray prima = lista();
    EXPECT_EQ(chiedi(d, "modifica", ""), "Modifica Ditta Beta"); // cancelled
    EXPECT_TRUE(chiedi(d, "aggiungi", "Bar \"Da Gigi\"").contains("virgolette"));
    EXPECT_TRUE(chiedi(d, "modifica", "Al\"fa").contains("virgolette"));
    EXPECT_EQ(lista(), prima);
    chiedi(d, "modifica", " Delta ");
    EXPECT_EQ(scelta(), "2 Delta");
    chiedi(d, "aggiungi", "Epsilon");
    EXPECT_EQ(lista(), "4\r\n\"Alfa\"\r\n\"Delta\"\r\n\"Gamma\"\r\n\"Epsilon\"\r\n");
    EXPECT_EQ(scelta(), "4 Epsilon");
    clicca(elenco(d), 0);
    EXPECT_EQ(scelta(), "1 Alfa");
}

// A company past the end of the list (another data root) selects nothing and cannot be
// renamed, but lets the window close.
TEST_F(Ditte, CompanyPastTheListSelectsNothingAndCannotBeRenamed)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
    stato().dittacorrente = 3;
    stato().nomeditta = "Altrove";
    Formditta d;
    d.show();
    EXPECT_TRUE(elenco(d)->selectedItems().isEmpty());
    EXPECT_EQ(scelta(), "3 Altrove");
    EXPECT_EQ(messaggio([&] { clicca(&d, "modifica"); }), "Selezionare Ditta da Rinominare");
    clicca(&d, "annulla");
    EXPECT_FALSE(d.isVisible());
}

// The thousandth company is the last; a list that cannot be written keeps what it held, in the
// file and in the window.
TEST_F(Ditte, TheThousandthCompanyIsTheLastAndAFailedWriteChangesNothing)
{
    QStringList nomi;
    for (int i = 1; i <= 998; ++i)
        nomi << QStringLiteral("Ditta %1").arg(i);
    ASSERT_TRUE(scrividitte("c:", nomi));
    stato().dittacorrente = 1;
    Formditta d;
    if (bloccacartella(dati)) {
        EXPECT_TRUE(chiedi(d, "aggiungi", "Beta").contains("listditta"));
        sbloccacartella(dati);
        EXPECT_EQ(elenco(d)->count(), 998);
        EXPECT_EQ(stato().dittacorrente, 1);
    }
    chiedi(d, "aggiungi", "Penultima");
    chiedi(d, "aggiungi", "Ultima");
    EXPECT_EQ(scelta(), "1000 Ultima");
    const QByteArray piena = lista();
    EXPECT_TRUE(piena.startsWith("1000\r\n") && piena.endsWith("\"Penultima\"\r\n\"Ultima\"\r\n"));
    EXPECT_EQ(messaggio([&] { clicca(&d, "aggiungi"); }), "Limite Raggiunto");
    EXPECT_EQ(lista(), piena);
}

TEST_F(Ditte, TheStatusBarOpensTheWindowAndShowsTheChoice)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta"}));
    Formprincipale f;
    f.show();
    stato().ricerca[1] = "x";
    quandomodale([](QWidget *w) {
        elenco(*qobject_cast<Formditta *>(w))->setCurrentRow(1);
        clicca(w, "annulla");
    });
    clicca(&f, "StatusBar2_1");
    EXPECT_EQ(stato().dittacorrente, 2);
    EXPECT_EQ(testo(&f, "StatusBar2_1"), "Ditta Beta");
    EXPECT_TRUE(stato().ricerca[1].isEmpty());
    EXPECT_EQ(testo(&f, "Label9"), "0,00"); // the ledger was loaded
}
