#include "store/copiacartella.h"
#include "support/aiuti.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(CopiaCartella, CopyReplacesTheTargetOnlyWhenWhole)
{
    const QString casa = nuovacasa();
    ASSERT_TRUE(creacartella("c:\\da"));
    ASSERT_TRUE(creacartella("c:\\a"));
    const QByteArray grande(600 * 1024, 'm'); // more than one read
    scrivibyte(casa + "/da/mov0308", grande);
    scrivibyte(casa + "/a/mov0308", "vecchio");
    ASSERT_TRUE(copiafile("c:\\da\\mov0308", "c:\\a\\mov0308"));
    EXPECT_EQ(leggibyte(casa + "/a/mov0308"), grande);
    ASSERT_TRUE(copiafile("c:\\da\\mov0308", "c:\\a\\..\\da\\mov0308"));
    EXPECT_EQ(leggibyte(casa + "/da/mov0308"), grande);

    scrivibyte(casa + "/a/mov0308", "vecchio");
    if (!bloccacartella(casa + "/a"))
        GTEST_SKIP() << "a folder cannot be made read-only here";
    const Esito esito = copiafile("c:\\da\\mov0308", "c:\\a\\mov0308");
    sbloccacartella(casa + "/a");
    EXPECT_FALSE(esito);
    EXPECT_EQ(esito.file, casa + "/a/mov0308");
    EXPECT_EQ(QDir(casa + "/a").entryList(QDir::Files | QDir::Hidden), QStringList{"mov0308"});
    EXPECT_EQ(leggibyte(casa + "/a/mov0308"), "vecchio");
}
