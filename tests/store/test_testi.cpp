#include "store/ditte.h"
#include "store/impostazioni.h"
#include "support/aiuti.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
struct Testi : ::testing::Test {
    QString dati;
    void SetUp() override
    {
        nuovacasa();
        dati = cartellalocale();
    }
    QString ditte() const { return dati + "/listditta"; }
};
} // namespace

TEST_F(Testi, CompanyListBytesAndReading)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta Srl"}));
    EXPECT_EQ(leggibyte(ditte()), QByteArray("2\r\n\"Alfa\"\r\n\"Beta Srl\"\r\n"));
    EXPECT_EQ(leggibyte(ditte()).size(), 23);

    ASSERT_TRUE(scrividitte("c:", {"  Rossi, Bianchi & C.", "Caff\u00E8 \u20AC"}));
    EXPECT_EQ(leggibyte(ditte()),
              QByteArray("2\r\n\"Rossi, Bianchi & C.\"\r\n\"Caff\xE8 \x80\"\r\n"));
    QStringList nomi;
    ASSERT_TRUE(leggiditte("c:", nomi));
    EXPECT_EQ(nomi, QStringList({"Rossi, Bianchi & C.", "Caff\u00E8 \u20AC"}));

    EXPECT_FALSE(nomedittavalido("Ditta \"Bella\""));
    EXPECT_FALSE(nomedittavalido("   "));
    EXPECT_TRUE(nomedittavalido("Alfa"));
}

TEST_F(Testi, DamagedCompanyListsNeverFail)
{
    QStringList nomi;
    bool esiste = true;
    ASSERT_TRUE(leggiditte("c:", nomi, &esiste));
    EXPECT_FALSE(esiste);
    EXPECT_FALSE(QFile::exists(ditte())); // reading does not create it

    scrivibyte(ditte(), "5\r\n\"Alfa\"\r\n\"Beta\"\r\n"); // count larger than the names
    ASSERT_TRUE(leggiditte("c:", nomi));
    EXPECT_EQ(nomi, QStringList({"Alfa", "Beta"}));

    scrivibyte(ditte(), "abc\r\n\"Alfa\"\r\n");
    ASSERT_TRUE(leggiditte("c:", nomi));
    EXPECT_TRUE(nomi.isEmpty());

    QByteArray molte = "1500\r\n";
    for (int i = 0; i < 1200; ++i)
        molte += "\"D" + QByteArray::number(i) + "\"\r\n";
    scrivibyte(ditte(), molte);
    ASSERT_TRUE(leggiditte("c:", nomi));
    EXPECT_EQ(nomi.size(), 1000);

    scrivibyte(ditte(), "2\n  \"Senza CR\" resto\nNonQuotata,altro\n");
    ASSERT_TRUE(leggiditte("c:", nomi));
    EXPECT_EQ(nomi, QStringList({"Senza CR", "NonQuotata"}));
}

TEST_F(Testi, FailedRewriteKeepsTheOldList)
{
    ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta"}));
    const QByteArray prima = leggibyte(ditte());
    if (!bloccacartella(dati))
        GTEST_SKIP() << "this file system cannot make a folder refuse writes";
    Esito e = scrividitte("c:", {"Alfa", "Beta", "Gamma"});
    Esito p = scrivipercorso("Z:\\");
    sbloccacartella(dati);
    EXPECT_FALSE(e);
    EXPECT_TRUE(e.file.endsWith("listditta"));
    EXPECT_FALSE(e.messaggio().isEmpty());
    EXPECT_EQ(leggibyte(ditte()), prima);
    EXPECT_FALSE(p);
    EXPECT_EQ(QDir(dati).entryList(QDir::Files), QStringList({"listditta"})); // no leftovers

    // A data folder that is gone: the failure is reported, nothing is created.
    EXPECT_FALSE(scrividitte("c:\\non\\esiste", {"Alfa"}));
}

TEST_F(Testi, SettingsFile)
{
    EXPECT_EQ(leggipercorso(), "c:"); // no file
    ASSERT_TRUE(scrivipercorso("c:"));
    EXPECT_EQ(leggibyte(dati + "/impoqx.txt"), QByteArray("\"c:\"\r\n"));
    ASSERT_TRUE(scrivipercorso("/mnt/rete/"));
    EXPECT_EQ(leggipercorso(), "/mnt/rete/");
    scrivibyte(dati + "/impoqx.txt", "\"Z:\\\"\r\n");
    EXPECT_EQ(leggipercorso(), "Z:\\");
    scrivibyte(dati + "/impoqx.txt", "");
    EXPECT_EQ(leggipercorso(), "c:");
}

TEST_F(Testi, StaleTemporaryFilesOfKilledWritesAreRemoved)
{
    scrivibyte(ditte() + ".aB3xYz", "1\r\n\"Vecchia\"\r\n");
    scrivibyte(ditte() + ".Qw12er", "in corso");
    QFile vecchio(ditte() + ".aB3xYz");
    ASSERT_TRUE(vecchio.open(QIODevice::ReadWrite));
    vecchio.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                        QFileDevice::FileModificationTime);
    vecchio.close();
    ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
    EXPECT_FALSE(QFile::exists(ditte() + ".aB3xYz"));
    EXPECT_TRUE(QFile::exists(ditte() + ".Qw12er")); // maybe another workstation's, still writing
}
