#include "ledger/periodo.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "platform/soldi.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

TEST(Piattaforma, PathsDatesAmountsAndPeriods)
{
    // On Windows the tests' local disk is their temporary folder, as HOME is on Linux.
    EXPECT_EQ(discolocale(), cartellautente());
    EXPECT_EQ(percorsonativo("c:\\quaderoladati\\mov0308"),
              QDir::toNativeSeparators(discolocale() + "/quaderoladati/mov0308"));
    EXPECT_EQ(percorsonativo("/mnt//rete/\\quaderoladati\\\\x"),
              QDir::toNativeSeparators("/mnt/rete/quaderoladati/x"));
#ifdef Q_OS_WIN
    EXPECT_EQ(percorsonativo("C:/Dati//quaderoladati"), "C:\\Dati\\quaderoladati"); // chosen
    EXPECT_EQ(percorsonativo("\\\\server\\\\quaderoladati\\x"), "\\\\server\\quaderoladati\\x");
#endif

    EXPECT_EQ(QStringList({datadmy(QDate(2008, 3, 5)), dataddmmyy(QDate(2012, 3, 5)),
                           annoyy(QDate(2009, 7, 1))}),
              QStringList({"05/03/08", "050312", "09"}));
    // "text=yyyy-MM-dd", "" for no date.
    for (const QString &c : QString("5/3/08=2008-03-05|1/1/29=2029-01-01|1/1/30=1930-01-01|"
                                    "01/01/9=2009-01-01|01/01/2010=2010-01-01|01/01/abc=|01/01/=|"
                                    "31/02/08=|01/01/20100=|1/1/99=1999-01-01")
                                .split('|'))
        EXPECT_EQ(leggidata(c.section('=', 0, 0)).toString(Qt::ISODate), c.section('=', 1));

    // "fixed" rounds halves away from zero, groups nothing and follows the locale.
    EXPECT_EQ(QStringList({fixed(0), fixed(500), fixed(125000), fixed(-1500000), fixed(12345),
                           fixed(12350), fixed(-12350), fixed(-40), fixed(123456789012345678LL),
                           fixed(std::numeric_limits<qint64>::min()), fixedpunto(-30000)}),
              QStringList({"0,00", "0,05", "12,50", "-150,00", "1,23", "1,24", "-1,24", "0,00",
                           "12345678901234,57", "-922337203685477,58", "-3.00"}));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(fixed(7500), "0.75");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    EXPECT_EQ(QStringList({nomeperiodo(0, "09"), nomeperiodo(2, "09"), nomeperiodo(12, "09"),
                           nomeperiodo(13, "09"), nomeperiodo(-1, "09")}),
              QStringList({"Anno 2009", "Febbraio 2009", "Dicembre 2009", "", ""}));
}
