#include "ledger/importo.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct Caso {
    const char *testo;
    qint64 valore;
    bool zero;
};

} // namespace

TEST(Importo, ReadsTheNumberUpToTheFirstCharacterThatCannotContinueIt)
{
    const Caso casi[] = {
        {"12.5", 125000, false},
        {"-7", -70000, false},
        {"1.2.3", 12000, false},
        {"5-3", 50000, false},
        {"-.5", -5000, false},
        {".5", 5000, false},
        {"5.", 50000, false},
        {"0.15", 1500, false},
        {"0.29", 2900, false},
        {"-", 0, true},
        {".", 0, true},
        {"", 0, true},
        {"0", 0, true},
        {"0.00", 0, true},
        {"-0", 0, true},
        {"--5", 0, true},
        {"-.", 0, true},
        {"007.50", 75000, false},
        {"  3.25 ", 32500, false},
        {"12,5", 120000, false},
    };
    for (const Caso &c : casi) {
        const Importo i = leggiimporto(QString::fromLatin1(c.testo));
        EXPECT_EQ(i.valore, c.valore) << c.testo;
        EXPECT_EQ(i.zero, c.zero) << c.testo;
        EXPECT_FALSE(i.fuoriscala) << c.testo;
    }
}

TEST(Importo, RoundsToFourDecimalsHalfAwayFromZeroButTestsZeroBeforeRounding)
{
    EXPECT_EQ(leggiimporto("1.23455").valore, 12346);
    EXPECT_EQ(leggiimporto("1.23454999").valore, 12345);
    EXPECT_EQ(leggiimporto("-1.23455").valore, -12346);
    EXPECT_EQ(leggiimporto("0.99995").valore, 10000);
    EXPECT_EQ(leggiimporto("1.0000000000000000000000000001").valore, 10000);

    const Importo minuscolo = leggiimporto("0.00001");
    EXPECT_FALSE(minuscolo.zero);
    EXPECT_EQ(minuscolo.valore, 0);
}

TEST(Importo, RefusesWhatDoesNotFitSixtyFourBitsInsteadOfWrappingAround)
{
    constexpr qint64 massimo = std::numeric_limits<qint64>::max();
    EXPECT_EQ(leggiimporto("922337203685477.5807").valore, massimo);
    EXPECT_EQ(leggiimporto("-922337203685477.5807").valore, -massimo);
    EXPECT_EQ(leggiimporto("00000000000000000000000000000000001").valore, 10000);

    for (const char *troppo : {"922337203685477.5808", "922337203685477.58075", "922337203685478",
                               "-922337203685477.5808", "99999999999999999999999999999999999999",
                               "18446744073709551616", "1844674407370955.1616"}) {
        const Importo i = leggiimporto(QString::fromLatin1(troppo));
        EXPECT_TRUE(i.fuoriscala) << troppo;
        EXPECT_EQ(i.valore, 0) << troppo;
        EXPECT_FALSE(i.zero) << troppo;
    }
}
