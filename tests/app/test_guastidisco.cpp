#include "app/formprincipale.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "support/finestre.h"
#include "windows/ditta/formditta.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

#include <QCalendarWidget>

// Failing disks and folders, through the program's own windows: each operation tells the user
// which file failed, keeps what the user typed, and leaves every file as it was.
namespace {

struct Disco : ::testing::Test {
    QString dati = nuovoarchivio({"Alfa"}), casa = QDir::homePath();
    void SetUp() override
    {
        const Movimento m{2, "Esistente", "x", 0, 10000, 2, 1, 0};
        ASSERT_TRUE(aggiungimovimento(percorsomese("c:", 3, annoyy(oggi())), m));
    }
    // Every file of the folder with its bytes, to check that nothing changed.
    static QMap<QString, QByteArray> istantanea(const QString &cartella)
    {
        QMap<QString, QByteArray> tutto;
        for (const QString &f : QDir(cartella).entryList(QDir::Files))
            tutto[f] = leggibyte(cartella + "/" + f);
        return tutto;
    }
    // Types a movement into the entry window and saves it; returns the message shown.
    static QString salvamovimento(Formregistra &r)
    {
        r.findChild<QCalendarWidget *>("cale")->setSelectedDate(QDate(oggi().year(), 3, 10));
        r.findChild<QLineEdit *>("Text1_0")->setText("Fattura Rossi");
        r.findChild<QLineEdit *>("Text1_1")->setText("Saldo");
        r.findChild<QLineEdit *>("testimporto")->setText("12.5");
        return messaggio([&] { clicca(&r, "registra"); });
    }
    // A new movement and a new company are both refused with the file named, the entry window
    // keeps what was typed, and the current company stays.
    static void movimentoedittarifiutati()
    {
        Formregistra r;
        r.show();
        EXPECT_TRUE(salvamovimento(r).contains("mov03"));
        EXPECT_TRUE(r.isVisible() && testo(&r, "testimporto") == "12.5");
        Formditta d;
        rispondiinput("Beta");
        EXPECT_TRUE(messaggio([&] { clicca(&d, "aggiungi"); }).contains("listditta"));
        EXPECT_EQ(stato().dittacorrente, 1);
    }
};

// chattr +i on the folder and each file, so that even root cannot write (or file modes for an
// ordinary user).
QStringList voci(const QString &cartella)
{
    return QDir(cartella).entryList(QDir::Files) << QString();
}

bool blocca(const QString &cartella)
{
    const QStringList v = voci(cartella);
    return std::all_of(v.begin(), v.end(),
                       [&](auto &f) { return bloccacartella(cartella + "/" + f); });
}

void sblocca(const QString &cartella)
{
    for (const QString &f : voci(cartella))
        sbloccacartella(cartella + "/" + f);
}

} // namespace

TEST_F(Disco, ReadOnlyDataFolderRefusesEveryWrite)
{
    Formprincipale f;
    if (!blocca(dati))
        GTEST_SKIP() << "this file system cannot make a folder read-only for this user";
    const auto prima = istantanea(dati);
    movimentoedittarifiutati();
    rispondiinput("Banca");
    EXPECT_TRUE(messaggio([&] { clicca(&f, "aggiungitipo"); }).contains("listconto"));
    EXPECT_FALSE(f.findChild<QAction *>("Toolbar1_3"));
    Formproduttore p;
    p.show();
    p.findChild<QLineEdit *>("Text1_0")->setText("Verdi Spa");
    EXPECT_TRUE(messaggio([&] { clicca(&p, "registra"); }).contains("rubrica"));
    EXPECT_EQ(testo(&p, "Text1_0"), "Verdi Spa");
    sblocca(dati);
    EXPECT_EQ(istantanea(dati), prima);
}

TEST_F(Disco, DataFolderRemovedWhileRunningThenBack)
{
    Formprincipale f;
    f.show();
    ASSERT_TRUE(QDir().rename(dati, casa + "/altrove"));
    EXPECT_FALSE(messaggio([&] { clicca(&f, "aprimese_3"); }).isEmpty());
    Formregistra r;
    r.show();
    EXPECT_TRUE(salvamovimento(r).contains("mov03"));
    EXPECT_FALSE(QDir(dati).exists()); // nothing was created in its place
    ASSERT_TRUE(QDir().rename(casa + "/altrove", dati));
    EXPECT_TRUE(salvamovimento(r).isEmpty()); // the retry works
    QList<Movimento> tutti;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", 3, annoyy(oggi())), tutti));
    ASSERT_EQ(tutti.size(), 2);
    EXPECT_EQ(tutti[1].descrizione1, "Fattura Rossi");
}
