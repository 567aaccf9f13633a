#include "app/stato.h"
#include "store/rubrica.h"
#include "support/aiuti.h"
#include "windows/rubrica/formproduttore.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Rubrica : ::testing::Test {
    QString dati;
    void SetUp() override
    {
        nuovacasa();
        dati = cartellalocale();
        stato() = Stato();
    }
    QByteArray file() const { return leggibyte(dati + "/rubrica"); }
    // Writes the address book in one go: contact i is named by nome(i).
    void scrivirubrica(int quanti, const std::function<QString(int)> &nome) const
    {
        QByteArray tutto;
        for (int i = 1; i <= quanti; ++i)
            tutto += contatto::codifica(contatto(nome(i)));
        scrivibyte(dati + "/rubrica", tutto);
    }
    void scrivirubrica(const QStringList &nomi) const
    {
        scrivirubrica(int(nomi.size()), [&](int i) { return nomi[i - 1]; });
    }
    static Contatto contatto(const QString &nome, const QString &citta = "Roma")
    {
        Contatto c;
        c.ragionesociale = nome;
        c.citta = citta;
        return c;
    }
};

QLineEdit *casella(QWidget &f, int i)
{
    return f.findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(i));
}
QLineEdit *textcerca(QWidget &f)
{
    return f.findChild<QLineEdit *>("Textcerca");
}
QListWidget *lista(QWidget &f)
{
    return f.findChild<QListWidget *>("Listacerca");
}

// Runs a menu command; returns the text of the message it showed, or "".
QString comando(QWidget &f, const char *nome)
{
    QString testo;
    accettamessaggio(&testo);
    f.findChild<QAction *>(nome)->trigger();
    scartarisposte();
    return testo;
}

QStringList righe(QWidget &f)
{
    QStringList r;
    for (int i = 0; i < lista(f)->count(); ++i)
        r.append(lista(f)->item(i)->text());
    return r;
}

void cerca(QWidget &f, const QString &testo)
{
    f.findChild<QAction *>("cerca")->trigger();
    QTest::keyClicks(textcerca(f), testo);
}

void clicca(QWidget &f, int riga)
{
    QListWidget *l = lista(f);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(riga)).center());
}

} // namespace

TEST_F(Rubrica, RegistersAContactFieldByFieldAndRefusesWhatCannotBeDone)
{
    Formproduttore f;
    f.show();
    QTest::keyClicks(casella(f, 0), "   ");
    EXPECT_EQ(comando(f, "registra"), "Manca la Ragione Sociale");
    EXPECT_EQ(comando(f, "modifica"), "Selezionare Contatto");
    EXPECT_TRUE(file().isEmpty());

    QTest::keyClicks(casella(f, 0), "Rossi Mario");
    QTest::keyClicks(casella(f, 2), "123456"); // the postal code holds five
    QTest::keyClicks(casella(f, 3), "Torino");
    QTest::keyClicks(casella(f, 4), "IT012345678901");
    QTest::keyClicks(casella(f, 6), "011 555");
    EXPECT_EQ(comando(f, "registra"), "");
    QByteArray atteso(306, ' ');
    atteso.replace(0, 11, "Rossi Mario");
    atteso.replace(100, 6, "Torino");
    atteso.replace(120, 5, "12345");
    atteso.replace(125, 7, "011 555");
    atteso.replace(155, 11, "IT012345678");
    EXPECT_EQ(file(), atteso);
    EXPECT_EQ(casella(f, 0)->text(), "");
    EXPECT_EQ(stato().numerocontattoscelto, 0); // nothing is handed back outside a pick
}

TEST_F(Rubrica, SearchListsNamePrefixesInRecordOrderAndEscapeLeavesIt)
{
    scrivirubrica({"Rossi", "Èrcole Srl", "bianchi", "ROSA", "Amaro rosso", " rodolfo", "èmilia"});
    Formproduttore f;
    f.show();
    cerca(f, "ro");
    EXPECT_EQ(righe(f), QStringList({"Rossi", "ROSA", "rodolfo"}));
    EXPECT_FALSE(casella(f, 0)->isEnabled());
    EXPECT_FALSE(f.findChild<QAction *>("registra")->isEnabled());

    textcerca(f)->clear();
    // QTest types only ASCII by key code; an accented letter arrives as the text of a key.
    QTest::sendKeyEvent(QTest::Click, textcerca(f), Qt::Key_unknown, QStringLiteral("è"), {});
    EXPECT_EQ(righe(f), QStringList({"Èrcole Srl", "èmilia"}));
    QTest::keyClicks(textcerca(f), "abcdefghijkl");
    EXPECT_EQ(textcerca(f)->text().size(), 10);

    QTest::keyClick(textcerca(f), Qt::Key_Escape);
    EXPECT_FALSE(textcerca(f)->isVisible());
    EXPECT_TRUE(casella(f, 0)->isEnabled());
    EXPECT_TRUE(f.findChild<QAction *>("registra")->isEnabled());
    QTest::keyClick(casella(f, 0), Qt::Key_Return); // Enter in the name searches again
    EXPECT_TRUE(textcerca(f)->isVisible());
    EXPECT_EQ(textcerca(f)->text(), "");
    EXPECT_EQ(lista(f)->count(), 0);

    QTest::keyClick(textcerca(f), Qt::Key_Escape);
    QTest::keyClick(casella(f, 5), Qt::Key_Escape); // Escape in a field closes the window
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Rubrica, AnEmptySearchListsTheFirstThousand)
{
    scrivirubrica(1500, [](int i) { return QStringLiteral("Ditta %1").arg(i); });
    Formproduttore f;
    f.show();
    cerca(f, "x");
    EXPECT_EQ(lista(f)->count(), 0);
    QTest::keyClick(textcerca(f), Qt::Key_Backspace);
    ASSERT_EQ(lista(f)->count(), 1000);
    EXPECT_EQ(lista(f)->item(999)->text(), "Ditta 1000");
}

TEST_F(Rubrica, ClickingALineLoadsItAndModifyRewritesOnlyThatRecord)
{
    scrivirubrica({"Rossi", "Bianchi", "Rosa", "Verdi", "Romano"});
    const QByteArray prima = file();
    Formproduttore f;
    f.show();
    cerca(f, "ro");
    clicca(f, 2);
    EXPECT_FALSE(lista(f)->isVisible());
    EXPECT_EQ(casella(f, 3)->text(), "Roma");
    EXPECT_EQ(stato().numerocontattoscelto, 5);
    EXPECT_EQ(stato().contattoscelto, "Romano");
    EXPECT_EQ(comando(f, "registra"), "Contatto già presente");

    casella(f, 3)->clear();
    QTest::keyClicks(casella(f, 3), "Asti");
    EXPECT_EQ(comando(f, "modifica"), "");
    EXPECT_EQ(file(), prima.left(4 * 306) + contatto::codifica(contatto("Romano", "Asti")));
    EXPECT_EQ(comando(f, "registra"), "Contatto già presente"); // still the loaded contact

    f.findChild<QAction *>("cancella")->trigger();
    EXPECT_EQ(stato().numerocontattoscelto, 0);
    EXPECT_EQ(stato().contattoscelto, "");
    QTest::keyClicks(casella(f, 0), "Nuovo");
    EXPECT_EQ(comando(f, "registra"), "");
    EXPECT_EQ(file().size(), 6 * 306);
}

TEST_F(Rubrica, APickRegistersClosesAndHandsBackTheNewNumber)
{
    scrivirubrica({"Rossi", "Bianchi"});
    stato().sceltacontatto = -1;
    stato().numerocontattoscelto = 8;
    Formproduttore f;
    f.show();
    EXPECT_EQ(stato().numerocontattoscelto, 0);
    QTest::keyClicks(casella(f, 0), "  Neri Spa ");
    EXPECT_EQ(comando(f, "registra"), "");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(stato().numerocontattoscelto, 3);
    EXPECT_EQ(stato().contattoscelto, "Neri Spa");
}

TEST_F(Rubrica, APickRefusesAContactNumberAMovementCannotHold)
{
    scrivirubrica(32768, [](int i) { return i == 32768 ? QStringLiteral("Zeta") : QString("A"); });
    stato().sceltacontatto = -1;
    Formproduttore f;
    f.show();
    cerca(f, "zeta");
    QString testo;
    accettamessaggio(&testo);
    clicca(f, 0);
    EXPECT_TRUE(testo.contains("32767")) << testo.toStdString();
    EXPECT_EQ(casella(f, 0)->text(), "Zeta");
    EXPECT_EQ(stato().numerocontattoscelto, 0);

    f.findChild<QAction *>("cancella")->trigger();
    QTest::keyClicks(casella(f, 0), "Ultimo");
    EXPECT_TRUE(comando(f, "registra").contains("32767"));
    EXPECT_EQ(file().size(), 32769 * 306); // written, only not handed back
    EXPECT_EQ(stato().numerocontattoscelto, 0);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Rubrica, AFileThatCannotBeWrittenKeepsTheForm)
{
    if (!bloccacartella(dati))
        GTEST_SKIP() << "cannot make a read-only folder here";
    Formproduttore f;
    f.show();
    QTest::keyClicks(casella(f, 0), "Rossi");
    const QString messaggio = comando(f, "registra");
    sbloccacartella(dati);
    EXPECT_TRUE(messaggio.contains("rubrica")) << messaggio.toStdString();
    EXPECT_EQ(casella(f, 0)->text(), "Rossi");
    EXPECT_EQ(comando(f, "registra"), "");
    EXPECT_EQ(file().left(5), "Rossi");
}
