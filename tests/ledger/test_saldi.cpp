#include "ledger/saldi.h"
#include "store/filemese.h"
#include "support/aiuti.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

void registra(int mese, qint16 segno, qint64 euro, qint16 conto = 2, qint16 ditta = 1)
{
    Movimento m;
    m.giorno = 1;
    m.segno = segno;
    m.importo = euro * 10000;
    m.conto = conto;
    m.ditta = ditta;
    ASSERT_TRUE(aggiungimovimento(percorsomese("c:", mese, "08"), m));
}

} // namespace

TEST(Saldi, CountTheCompanyAndAccountOnlyAndSumTheYear)
{
    const QString dati = (nuovacasa(), cartellalocale());
    registra(3, 0, 100);
    registra(3, 1, 250);
    registra(3, 2, 1000);    // deleted
    registra(3, 0, 7, 2, 2); // another company
    registra(3, 0, 11, 3);   // another account
    registra(5, 1, -5);      // amounts add with their own sign
    SaldiAnno s;
    ASSERT_TRUE(calcolasaldi("c:", "08", 1, 2, s));
    EXPECT_EQ(s.saldo(3), -150 * 10000);
    EXPECT_EQ(s.uscitemese[5], -5 * 10000);
    EXPECT_EQ(s.entratemese[0], 100 * 10000);
    EXPECT_EQ(s.uscitemese[0], 245 * 10000);

    ASSERT_TRUE(calcolasaldi("c:", "08", 1, 1, s)); // every account
    EXPECT_EQ(s.entratemese[3], 111 * 10000);
    ASSERT_TRUE(calcolasaldi("c:", "08", 2, 1, s));
    EXPECT_EQ(s.saldo(0), 7 * 10000);
    // Every month visited has its file, empty when it had none.
    EXPECT_TRUE(QFileInfo::exists(dati + "/mov0108"));
    EXPECT_EQ(QFileInfo(dati + "/mov1208").size(), 0);
}

TEST(Saldi, ALongMonthCountsEveryRecordButACutOffTail)
{
    const QString dati = (nuovacasa(), cartellalocale());
    Movimento m;
    m.segno = 0;
    m.importo = 3 * 10000;
    m.conto = 4;
    m.ditta = 1;
    QByteArray mese;
    for (int i = 0; i < 5000; ++i)
        mese += movimento::codifica(m);
    scrivibyte(dati + "/mov0908", mese + QByteArray(60, '\x01')); // a write that was cut off
    SaldiAnno s;
    ASSERT_TRUE(calcolasaldi("c:", "08", 1, 4, s));
    EXPECT_EQ(s.entratemese[9], 5000 * 3 * 10000);
}

TEST(Saldi, AMonthThatCannotBeReadStopsTheSumsAndIsNamed)
{
    const QString dati = (nuovacasa(), cartellalocale());
    ASSERT_TRUE(QDir().mkdir(dati + "/mov0608")); // a folder where the month file should be
    SaldiAnno s;
    const Esito e = calcolasaldi("c:", "08", 1, 2, s);
    EXPECT_FALSE(e);
    EXPECT_TRUE(e.file.endsWith("mov0608")) << e.file.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dati + "/mov0708")); // nothing read past the failure
}
