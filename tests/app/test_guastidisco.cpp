// Failing disks and folders, through the program's own windows: each operation tells the user
// which file failed, keeps what the user typed, and creates nothing in place of what is gone.
#include "app/formprincipale.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/filemese.h"
#include "support/finestre.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

TEST(Disco, ReadOnlyDataFolderRefusesAContact)
{
    const QString dati = nuovoarchivio({"Alfa"});
    if (!bloccacartella(dati))
        GTEST_SKIP() << "this file system cannot make a folder read-only for this user";
    Formproduttore p;
    p.show();
    p.findChild<QLineEdit *>("Text1_0")->setText("Verdi Spa");
    EXPECT_TRUE(messaggio([&] { clicca(&p, "registra"); }).contains("rubrica"));
    EXPECT_EQ(testo(&p, "Text1_0"), "Verdi Spa");
    sbloccacartella(dati);
}

TEST(Disco, DataFolderRemovedWhileRunningThenBack)
{
    const QString dati = nuovoarchivio({"Alfa"}), altrove = cartellautente() + "/altrove";
    const QString marzo = scrivimese(3, {mov(2, 0, 1, "Esistente", 2, 1, "x")}, annoyy(oggi()));
    Formprincipale f;
    f.show();
    ASSERT_TRUE(QDir().rename(dati, altrove));
    EXPECT_FALSE(messaggio([&] { clicca(&f, "aprimese_3"); }).isEmpty());
    Formregistra r;
    r.show();
    compila(&r, "Fattura Rossi", "Saldo", "12.5", QDate(oggi().year(), 3, 10));
    EXPECT_TRUE(messaggio([&] { clicca(&r, "registra"); }).contains("mov03"));
    EXPECT_TRUE(r.isVisible() && testo(&r, "testimporto") == "12.5");
    EXPECT_FALSE(QDir(dati).exists()); // nothing was created in its place
    ASSERT_TRUE(QDir().rename(altrove, dati));
    EXPECT_EQ(messaggio([&] { clicca(&r, "registra"); }), ""); // the retry works
    QList<Movimento> tutti;
    ASSERT_TRUE(leggimovimenti(marzo, tutti));
    ASSERT_EQ(tutti.size(), 2);
    EXPECT_EQ(tutti[1].descrizione1, "Fattura Rossi");
}
