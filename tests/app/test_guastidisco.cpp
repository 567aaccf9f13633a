// Failing disks and folders, through the program's own windows: each operation tells the user
// which file failed, keeps what the user typed, and leaves every file as it was.
#include "app/formprincipale.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "support/finestre.h"
#include "windows/ditta/formditta.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

#include <QCalendarWidget>

namespace {

struct Disco : ::testing::Test {
    QString dati = nuovoarchivio({"Alfa"}), casa = QDir::homePath();
    QString marzo = percorsomese("c:", 3, annoyy(oggi()));
    void SetUp() override
    {
        ASSERT_TRUE(aggiungimovimento(marzo, {2, "Esistente", "x", 0, 1, 2, 1, 0}));
    }
    // The folder and each file in it, locked or unlocked; and each file with its bytes.
    QStringList voci() const { return QDir(dati).entryList(QDir::Files) << QString(); }
    QMap<QString, QByteArray> istantanea() const
    {
        QMap<QString, QByteArray> tutto;
        for (const QString &f : voci())
            tutto[f] = leggibyte(dati + "/" + f);
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
};

} // namespace

TEST_F(Disco, ReadOnlyDataFolderRefusesEveryWrite)
{
    Formprincipale f;
    const QStringList v = voci();
    if (!std::all_of(v.begin(), v.end(), [&](auto &n) { return bloccacartella(dati + "/" + n); }))
        GTEST_SKIP() << "this file system cannot make a folder read-only for this user";
    const auto prima = istantanea();
    Formregistra r;
    r.show();
    EXPECT_TRUE(salvamovimento(r).contains("mov03"));
    EXPECT_TRUE(r.isVisible() && testo(&r, "testimporto") == "12.5");
    Formditta d;
    rispondiinput("Beta");
    EXPECT_TRUE(messaggio([&] { clicca(&d, "aggiungi"); }).contains("listditta"));
    rispondiinput("Banca");
    EXPECT_TRUE(messaggio([&] { clicca(&f, "aggiungitipo"); }).contains("listconto"));
    EXPECT_FALSE(f.findChild<QAction *>("Toolbar1_3"));
    Formproduttore p;
    p.show();
    p.findChild<QLineEdit *>("Text1_0")->setText("Verdi Spa");
    EXPECT_TRUE(messaggio([&] { clicca(&p, "registra"); }).contains("rubrica"));
    EXPECT_EQ(testo(&p, "Text1_0"), "Verdi Spa");
    for (const QString &n : v)
        sbloccacartella(dati + "/" + n);
    EXPECT_EQ(istantanea(), prima);
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
    ASSERT_TRUE(leggimovimenti(marzo, tutti));
    ASSERT_EQ(tutti.size(), 2);
    EXPECT_EQ(tutti[1].descrizione1, "Fattura Rossi");
}
