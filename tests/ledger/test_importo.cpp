#include "ledger/importo.h"

#include <QStringList>
#include <gtest/gtest.h>

// The number up to the first character that cannot continue it, rounded to four decimals half
// away from zero, zero tested before rounding; what does not fit 64 bits is refused, not wrapped.
TEST(Importo, ReadsRoundsAndRefuses)
{
    // "text=ten-thousandths" cases split by "|": "0" is a zero as written, "~0" a number that
    // rounds to zero, "?" one out of range.
    const QString casi = "12.5=125000|-7=-70000|1.2.3=12000|5-3=50000|-.5=-5000|.5=5000|5.=50000|"
                         "0.15=1500|0.29=2900|007.50=75000|  3.25 =32500|12,5=120000|-=0|.=0|=0|"
                         "0=0|0.00=0|-0=0|--5=0|-.=0|1.23455=12346|1.23454999=12345|"
                         "-1.23455=-12346|0.99995=10000|1.0000000000000000000000000001=10000|"
                         "0.00001=~0|922337203685477.5807=9223372036854775807|"
                         "-922337203685477.5807=-9223372036854775807|"
                         "00000000000000000000000000000000001=10000|922337203685477.5808=?|"
                         "922337203685477.58075=?|922337203685478=?|-922337203685477.5808=?|"
                         "99999999999999999999999999999999999999=?|18446744073709551616=?|"
                         "1844674407370955.1616=?";
    for (const QString &caso : casi.split('|')) {
        const QString atteso = caso.section('=', 1);
        const Importo i = leggiimporto(caso.section('=', 0, 0));
        EXPECT_EQ(i.valore, atteso.toLongLong()) << caso.toStdString();
        EXPECT_EQ(i.zero, atteso == "0") << caso.toStdString();
        EXPECT_EQ(i.fuoriscala, atteso == "?") << caso.toStdString();
    }
}
