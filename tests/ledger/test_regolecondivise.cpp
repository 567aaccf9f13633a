#include "store/regole.h"
#include "support/archivio.h"

#include <QFileInfo>
#include <gtest/gtest.h>

// Two workstations keep and drop rules of one company at once, again and again: each decides
// under the file's lock which record its rule takes, so neither ever loses its own to the
// other, and the records a dropped rule left free are taken again.
TEST(Condivisione, TwoWorkstationsKeepingRulesAtOnceKeepBoth)
{
    const QString dati = nuovoarchivio();
    const int ciascuno = 2000;
    const QString n = QString::number(ciascuno);
    ASSERT_TRUE(insieme(SCRITTORE, {{"regole", "c:", "A", n}, {"regole", "c:", "B", n}}));
    QList<Regola> regole;
    ASSERT_TRUE(leggiregole("c:", 1, regole));
    EXPECT_EQ(regole.size(), 2);
    for (const char *nome : {"A1999", "B1999"})
        EXPECT_TRUE(regole.contains(Regola{nome, QString("D1999"), "", 0})) << nome;
    EXPECT_LE(QFileInfo(dati + "/regole").size(), 4 * regole::dimensione);
}
