#include "ledger/periodo.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "platform/soldi.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

TEST(Percorsi, ConcatenatedPathsBecomeNative)
{
    const QString casa = QDir::homePath();
    EXPECT_EQ(percorsonativo("c:\\quaderoladati\\mov0308"), casa + "/quaderoladati/mov0308");
    EXPECT_EQ(percorsonativo("C:\\quaderoladati"), casa + "/quaderoladati");
    EXPECT_EQ(percorsonativo("/mnt/rete/\\quaderoladati\\listditta"),
              "/mnt/rete/quaderoladati/listditta");
    EXPECT_EQ(percorsonativo("/mnt//rete///x"), "/mnt/rete/x");
}

TEST(Date, TextsAndTwoDigitYears)
{
    const QDate d(2008, 3, 5);
    EXPECT_EQ(datadmy(d), "05/03/08");
    EXPECT_EQ(dataddmmyy(QDate(2012, 3, 5)), "050312");
    EXPECT_EQ(annoyy(QDate(2009, 7, 1)), "09");

    EXPECT_EQ(leggidata("5/3/08"), d);
    EXPECT_EQ(leggidata("1/1/29"), QDate(2029, 1, 1));
    EXPECT_EQ(leggidata("1/1/30"), QDate(1930, 1, 1));
    EXPECT_EQ(leggidata("01/01/9"), QDate(2009, 1, 1));
    EXPECT_EQ(leggidata("01/01/2010"), QDate(2010, 1, 1));
    EXPECT_FALSE(leggidata("01/01/abc").isValid());
    EXPECT_FALSE(leggidata("01/01/").isValid());
    EXPECT_FALSE(leggidata("31/02/08").isValid());
    EXPECT_FALSE(leggidata("01/01/20100").isValid());
}

TEST(Soldi, FixedRoundsToTwoDecimalsWithTheLocaleSeparator)
{
    EXPECT_EQ(fixed(0), "0,00");
    EXPECT_EQ(fixed(500), "0,05");
    EXPECT_EQ(fixed(125000), "12,50");
    EXPECT_EQ(fixed(-1500000), "-150,00");
    EXPECT_EQ(fixed(12345), "1,23");
    EXPECT_EQ(fixed(12350), "1,24"); // halves away from zero
    EXPECT_EQ(fixed(-12350), "-1,24");
    EXPECT_EQ(fixed(-40), "0,00");
    EXPECT_EQ(fixed(123456789012345678LL), "12345678901234,57"); // no grouping
    EXPECT_EQ(fixedpunto(-30000), "-3.00");
    EXPECT_FALSE(fixed(std::numeric_limits<qint64>::min()).isEmpty());

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(fixed(7500), "0.75");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

TEST(Periodo, Captions)
{
    EXPECT_EQ(nomeperiodo(0, "09"), "Anno 2009");
    EXPECT_EQ(nomeperiodo(2, "09"), "Febbraio 2009");
    EXPECT_EQ(nomeperiodo(12, "09"), "Dicembre 2009");
    EXPECT_EQ(nomeperiodo(13, "09"), "");
    EXPECT_EQ(nomeperiodo(-1, "09"), "");
}
