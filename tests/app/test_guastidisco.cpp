#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "support/aiuti.h"
#include "windows/ditta/formditta.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

// Failing disks and folders, through the program's own windows: each operation tells the user
// which file failed, keeps what the user typed, and leaves every file as it was.
namespace {

struct Disco : ::testing::Test {
    QString casa, dati;
    void SetUp() override
    {
        casa = nuovacasa();
        dati = cartellalocale();
        ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
        Movimento m;
        m.giorno = 2;
        m.descrizione1 = "Esistente";
        m.descrizione2 = "x";
        m.importo = 10000;
        m.conto = 2;
        m.ditta = 1;
        ASSERT_TRUE(aggiungimovimento(percorsomese("c:", 3, annoyy(oggi())), m));
    }
    QString mese() const { return dati + "/mov03" + annoyy(oggi()); }

    // Every file of the data folder with its bytes, to check that nothing changed.
    QMap<QString, QByteArray> istantanea() const
    {
        QMap<QString, QByteArray> tutto;
        for (const QString &f : QDir(dati).entryList(QDir::Files))
            tutto[f] = leggibyte(dati + "/" + f);
        return tutto;
    }

    // Types a movement into the entry window and saves it; returns the message shown.
    QString salvamovimento(Formregistra &r)
    {
        r.findChild<QCalendarWidget *>("cale")->setSelectedDate(QDate(oggi().year(), 3, 10));
        r.findChild<QLineEdit *>("Text1_0")->setText("Fattura Rossi");
        r.findChild<QLineEdit *>("Text1_1")->setText("Saldo");
        r.findChild<QLineEdit *>("testimporto")->setText("12.5");
        QString testo;
        accettamessaggio(&testo);
        QTest::mouseClick(r.findChild<QAbstractButton *>("registra"), Qt::LeftButton);
        scartarisposte();
        return testo;
    }

    // Adds a company in the company window; returns the message shown.
    static QString aggiungiditta(const QString &nome)
    {
        Formditta d;
        QString testo;
        rispondiinput(nome);
        accettamessaggio(&testo);
        QTest::mouseClick(d.findChild<QAbstractButton *>("aggiungi"), Qt::LeftButton);
        scartarisposte();
        return testo;
    }

    // A new movement and a new company are both refused with the file named, and the entry
    // window keeps what was typed.
    void movimentoedittarifiutati()
    {
        Formregistra r;
        r.show();
        EXPECT_TRUE(salvamovimento(r).contains("mov03"));
        inputintatto(r);
        const QString errore = aggiungiditta("Beta");
        EXPECT_TRUE(errore.contains("listditta")) << errore.toStdString();
    }

    // After a failed save the window is still there with everything typed.
    void inputintatto(Formregistra &r)
    {
        EXPECT_TRUE(r.isVisible());
        EXPECT_EQ(r.findChild<QLineEdit *>("Text1_0")->text(), "Fattura Rossi");
        EXPECT_EQ(r.findChild<QLineEdit *>("testimporto")->text(), "12.5");
    }
};

// chattr +i on the folder and each file, so that even root cannot write (or file modes for an
// ordinary user).
bool bloccatutto(const QString &cartella)
{
    for (const QString &f : QDir(cartella).entryList(QDir::Files))
        if (!bloccacartella(cartella + "/" + f))
            return false;
    return bloccacartella(cartella);
}

void sbloccatutto(const QString &cartella)
{
    sbloccacartella(cartella);
    for (const QString &f : QDir(cartella).entryList(QDir::Files))
        sbloccacartella(cartella + "/" + f);
}

} // namespace

TEST_F(Disco, UnreachableDataRootNamesTheFolderAndCreatesNothing)
{
    scrivibyte(dati + "/impoqx.txt", "\"" + (casa + "/rete/").toUtf8() + "\"\r\n");
    Formprincipale f;
    f.show();
    QString testo;
    accettamessaggio(&testo);
    QTest::mouseClick(f.findChild<QAbstractButton *>("aprimese_3"), Qt::LeftButton);
    scartarisposte();
    EXPECT_TRUE(testo.contains(casa + "/rete")) << testo.toStdString();
    EXPECT_FALSE(QDir(casa + "/rete").exists());
}

TEST_F(Disco, ReadOnlyDataFolderRefusesEveryWrite)
{
    Formprincipale f;
    if (!bloccatutto(dati))
        GTEST_SKIP() << "this file system cannot make a folder read-only for this user";
    const auto prima = istantanea();

    movimentoedittarifiutati();
    QString errore;

    rispondiinput("Banca");
    accettamessaggio(&errore);
    f.findChild<QAction *>("aggiungitipo")->trigger();
    scartarisposte();
    EXPECT_TRUE(errore.contains("listconto")) << errore.toStdString();
    EXPECT_FALSE(f.findChild<QAction *>("Toolbar1_3"));

    Formproduttore p;
    p.show();
    p.findChild<QLineEdit *>("Text1_0")->setText("Verdi Spa");
    errore.clear();
    accettamessaggio(&errore);
    p.findChild<QAction *>("registra")->trigger();
    scartarisposte();
    EXPECT_TRUE(errore.contains("rubrica")) << errore.toStdString();
    EXPECT_EQ(p.findChild<QLineEdit *>("Text1_0")->text(), "Verdi Spa");

    sbloccatutto(dati);
    EXPECT_EQ(istantanea(), prima);
}

TEST_F(Disco, DataFolderRemovedWhileRunningThenBack)
{
    Formprincipale f;
    f.show();
    ASSERT_TRUE(QDir().rename(dati, casa + "/altrove"));

    QString testo;
    accettamessaggio(&testo);
    QTest::mouseClick(f.findChild<QAbstractButton *>("aprimese_3"), Qt::LeftButton);
    scartarisposte();
    EXPECT_FALSE(testo.isEmpty());

    Formregistra r;
    r.show();
    EXPECT_TRUE(salvamovimento(r).contains("mov03"));
    inputintatto(r);
    EXPECT_FALSE(QDir(dati).exists()); // nothing was created in its place

    ASSERT_TRUE(QDir().rename(casa + "/altrove", dati));
    EXPECT_TRUE(salvamovimento(r).isEmpty()); // the retry works
    QList<Movimento> tutti;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", 3, annoyy(oggi())), tutti));
    ASSERT_EQ(tutti.size(), 2);
    EXPECT_EQ(tutti[1].descrizione1, "Fattura Rossi");
}

TEST_F(Disco, FullDiskKeepsEveryFileWhole)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    const auto prima = istantanea();
    const QString pieno = casa + "/pieno/quaderoladati";
    QDir().mkpath(pieno);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", pieno}) != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here";
    struct Smonta {
        QString cartella;
        ~Smonta() { QProcess::execute("umount", {cartella}); }
    } smonta{pieno};

    for (auto i = prima.cbegin(); i != prima.cend(); ++i)
        scrivibyte(pieno + "/" + i.key(), i.value());
    // 34 records end 84 bytes short of a page: the next one needs a block the disk lacks.
    QByteArray mese34 = leggibyte(mese());
    while (mese34.size() < 34 * 118)
        mese34 += mese34.left(118);
    scrivibyte(pieno + "/" + QFileInfo(mese()).fileName(), mese34);
    auto attese = prima;
    attese[QFileInfo(mese()).fileName()] = mese34;
    QFile riempitivo(pieno + "/riempitivo"); // the disk, full to the last byte
    ASSERT_TRUE(riempitivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (riempitivo.write(QByteArray(4096, 'x')) > 0)
        ;
    riempitivo.close();
    stato().percorso = casa + "/pieno/";
    stato().annogestione = annoyy(oggi());
    stato().dittacorrente = 1;

    movimentoedittarifiutati();

    for (auto i = attese.cbegin(); i != attese.cend(); ++i)
        EXPECT_EQ(leggibyte(pieno + "/" + i.key()), i.value()) << i.key().toStdString();
    EXPECT_EQ(QDir(pieno).entryList(QDir::Files).size(), prima.size() + 2); // + filler, listconto
}
