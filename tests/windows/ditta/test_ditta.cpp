#include "store/ditte.h"
#include "support/finestre.h"
#include "windows/ditta/formditta.h"

namespace {

struct Ditte : ::testing::Test {
    QString dati = nuovoarchivio();
    void TearDown() override { EXPECT_EQ(scartarisposte(), 0); }
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
        return messaggio([&] { clicca(&d, pulsante); }).prepend(titolo); // titolo set by now
    }
};

} // namespace

// From an empty list: no closing without a company; adding appends and chooses, renaming
// rewrites in place; a name with a double quote, which the list cannot hold, is refused.
TEST_F(Ditte, CompaniesAreAddedAndRenamedInOrderAndOneMustBeChosen)
{
    Formditta d;
    d.show();
    EXPECT_EQ(messaggio([&] { clicca(&d, "annulla"); }), "Selezionare una Ditta per continuare");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(chiedi(d, "aggiungi", "  Alfa "), "Aggiunta nuova Ditta");
    chiedi(d, "aggiungi", "Beta");
    chiedi(d, "aggiungi", "Gamma");
    clicca(elenco(d), 1);
    EXPECT_EQ(scelta(), "2 Beta");
    const QByteArray prima = lista();
    EXPECT_EQ(chiedi(d, "modifica", ""), "Modifica Ditta Beta"); // cancelled
    EXPECT_TRUE(chiedi(d, "aggiungi", "Bar \"Da Gigi\"").contains("virgolette") &&
                chiedi(d, "modifica", "Al\"fa").contains("virgolette"));
    EXPECT_EQ(lista(), prima);
    chiedi(d, "modifica", " Delta ");
    EXPECT_EQ(scelta(), "2 Delta");
    chiedi(d, "aggiungi", "Epsilon");
    EXPECT_EQ(lista(), "4\r\n\"Alfa\"\r\n\"Delta\"\r\n\"Gamma\"\r\n\"Epsilon\"\r\n");
    EXPECT_EQ(scelta(), "4 Epsilon");
    clicca(&d, "annulla");
    EXPECT_TRUE(!d.isVisible() && d.result() == QDialog::Accepted);
}

// A company past the end of the list (another data root) selects nothing and cannot be
// renamed; a list that cannot be written keeps what it held; the thousandth company is the last.
TEST_F(Ditte, PastTheListAFailedWriteAndTheThousandthCompany)
{
    QStringList nomi;
    for (int i = 1; i <= 998; ++i)
        nomi << QStringLiteral("Ditta %1").arg(i);
    ASSERT_TRUE(scrividitte("c:", nomi));
    stato().dittacorrente = 1500;
    stato().nomeditta = "Altrove";
    Formditta d;
    EXPECT_EQ(messaggio([&] { clicca(&d, "modifica"); }), "Selezionare Ditta da Rinominare");
    EXPECT_EQ(scelta(), "1500 Altrove");
    clicca(elenco(d), 0);
    if (bloccacartella(dati)) {
        EXPECT_TRUE(chiedi(d, "aggiungi", "Beta").contains("listditta") &&
                    chiedi(d, "modifica", "Zeta").contains("listditta"));
        sbloccacartella(dati);
        EXPECT_EQ(elenco(d)->count(), 998);
    }
    EXPECT_EQ(scelta(), "1 Ditta 1");
    chiedi(d, "aggiungi", "Penultima");
    chiedi(d, "aggiungi", "Ultima");
    EXPECT_EQ(scelta(), "1000 Ultima");
    const QByteArray piena = lista();
    EXPECT_TRUE(piena.startsWith("1000\r\n\"Ditta 1\"\r\n") &&
                piena.endsWith("\"Penultima\"\r\n\"Ultima\"\r\n"));
    EXPECT_EQ(messaggio([&] { clicca(&d, "aggiungi"); }), "Limite Raggiunto");
    EXPECT_EQ(lista(), piena);
}
