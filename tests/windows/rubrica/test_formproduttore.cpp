#include "support/finestre.h"
#include "windows/rubrica/formproduttore.h"

namespace {

struct Rubrica : ::testing::Test {
    QString dati = nuovoarchivio();
    std::unique_ptr<Formproduttore> f;
    QByteArray file() const { return leggibyte(dati + "/rubrica"); }
    void scrivirubrica(const QStringList &nomi) const // in one go: the name, then the town
    {
        QByteArray tutto;
        for (const QString &nome : nomi)
            tutto += nome.toLatin1().leftJustified(100) + QByteArray("Roma").leftJustified(206);
        scrivibyte(dati + "/rubrica", tutto);
    }
    void apri() { (f = std::make_unique<Formproduttore>())->show(); }
    QLineEdit *campo(int i) const { return f->findChild<QLineEdit *>(QString("Text1_%1").arg(i)); }
    QLineEdit *textcerca() const { return f->findChild<QLineEdit *>("Textcerca"); }
    QListWidget *lista() const { return f->findChild<QListWidget *>("Listacerca"); }
    QString comando(const char *n) const
    {
        return messaggio([&] { clicca(f.get(), n); });
    }
};

} // namespace

// One book walked through: the search lists name prefixes in record order, in any case;
// a clicked line loads its record, which is then modified in place and never registered again;
// a new contact is written field by field.
TEST_F(Rubrica, SearchLoadsARecordWhichModifyRewritesInPlace)
{
    scrivirubrica({"Rossi", "bianchi", "ROSA", "Amaro rosso", " rodolfo", "Romano"});
    const QByteArray prima = file();
    apri();
    EXPECT_EQ(comando("registra"), "Manca la Ragione Sociale");
    EXPECT_EQ(comando("modifica"), "Selezionare Contatto");
    QTest::keyClick(campo(0), Qt::Key_Return); // searches, as the search button does
    QTest::keyClicks(textcerca(), "ro");
    EXPECT_EQ(righe(lista()), QStringList({"Rossi", "ROSA", "rodolfo", "Romano"}));
    EXPECT_FALSE(campo(0)->isEnabled() || f->findChild<QAction *>("registra")->isEnabled());
    lista()->setCurrentRow(3);
    QTest::keyClick(lista(), Qt::Key_Return);
    EXPECT_FALSE(lista()->isVisible());
    EXPECT_EQ(campo(3)->text(), "Roma");
    EXPECT_TRUE(stato().numerocontattoscelto == 6 && stato().contattoscelto == "Romano");
    EXPECT_EQ(comando("registra"), "Contatto già presente");
    campo(3)->clear();
    QTest::keyClicks(campo(3), "Asti");
    EXPECT_EQ(comando("modifica"), "");
    EXPECT_EQ(file(), QByteArray(prima).replace(5 * 306 + 100, 4, "Asti"));
    clicca(f.get(), "cancella");
    EXPECT_TRUE(stato().numerocontattoscelto == 0 && stato().contattoscelto.isEmpty());
    // Field by field; the postal code holds five characters, the VAT number eleven.
    const QStringList digitati{" Rossi Mario",   "", "123456", "Torino",
                               "IT012345678901", "", "011 555"};
    for (int i = 0; i < digitati.size(); ++i)
        QTest::keyClicks(campo(i), digitati[i]);
    EXPECT_EQ(comando("registra"), "");
    QByteArray nuovo(306, ' ');
    nuovo.replace(0, 11, "Rossi Mario").replace(100, 6, "Torino").replace(120, 5, "12345");
    nuovo.replace(125, 7, "011 555").replace(155, 11, "IT012345678");
    EXPECT_EQ(file().mid(6 * 306), nuovo);
    // Emptied, and nothing is handed back outside a pick.
    EXPECT_TRUE(campo(0)->text().isEmpty() && stato().numerocontattoscelto == 0);
    QTest::keyClick(campo(5), Qt::Key_Escape); // Escape in a field closes the window
    EXPECT_FALSE(f->isVisible());
}

TEST_F(Rubrica, APickHandsBackTheNumbersAMovementCanHoldAndRefusesTheOthers)
{
    QStringList nomi;
    for (int i = 1; i <= 32766; ++i)
        nomi << QStringLiteral("Ditta %1").arg(i);
    scrivirubrica(nomi);
    stato().sceltacontatto = -1;
    stato().numerocontattoscelto = 8;
    apri();
    EXPECT_EQ(stato().numerocontattoscelto, 0);
    QTest::keyClicks(campo(0), "  Neri Spa ");
    EXPECT_EQ(comando("registra"), ""); // registered: closes and hands the new number back
    EXPECT_EQ(stato().numerocontattoscelto, 32767);
    EXPECT_TRUE(!f->isVisible() && stato().contattoscelto == "Neri Spa");
    stato().numerocontattoscelto = 0;
    apri();
    QTest::keyClicks(campo(0), "Zeta");
    EXPECT_TRUE(comando("registra").contains("32767"));
    EXPECT_EQ(file().size(), 32768 * 306); // written, only not handed back
    EXPECT_TRUE(stato().numerocontattoscelto == 0 && f->isVisible());
    clicca(f.get(), "cerca");
    QTest::keyClicks(textcerca(), "x");
    QTest::keyClick(textcerca(), Qt::Key_Backspace); // an empty search lists the first 1000
    ASSERT_EQ(lista()->count(), 1000);
    EXPECT_EQ(lista()->item(999)->text(), "Ditta 1000");
    QTest::keyClick(textcerca(), Qt::Key_Escape); // back to the fields
    EXPECT_TRUE(!lista()->isVisible() && campo(0)->isEnabled());
    clicca(f.get(), "cerca");
    QTest::keyClicks(textcerca(), "zeta");
    EXPECT_TRUE(messaggio([&] { clicca(lista(), 0); }).contains("32767"));
    EXPECT_TRUE(campo(0)->text() == "Zeta" && stato().numerocontattoscelto == 0);
}
