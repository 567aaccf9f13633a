#include "ledger/saldi.h"
#include "store/filemese.h"
#include "support/aiuti.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString radice = QStringLiteral("c:");
const QString anno = QStringLiteral("08");

void registra(int mese, qint16 segno, qint64 euro, qint16 conto = 2, qint16 ditta = 1) {
    Movimento m;
    m.giorno = 1;
    m.descrizione1 = QStringLiteral("Voce");
    m.segno = segno;
    m.importo = euro * 10000;
    m.conto = conto;
    m.ditta = ditta;
    ASSERT_TRUE(aggiungimovimento(percorsomese(radice, mese, anno), m));
}

// March: income 100 and expense 250 of CASSA, plus what must be left out or counted only
// for every account. May: 250 and 100. December: an expense of another account.
void archivio() {
    registra(3, 0, 100);
    registra(3, 1, 250);
    registra(3, 2, 1000);    // deleted
    registra(3, 0, 7, 2, 2); // another company
    registra(3, 1, 9, 3, 2); // another company and account
    registra(3, 0, 11, 3);   // another account
    registra(5, 0, 250);
    registra(5, 1, 100);
    registra(12, 1, 30, 4);
    registra(12, 2, 500, 4); // deleted
}

} // namespace

TEST(Saldi, SumEachMonthOfTheCompanyAndAccountAndTheYear) {
    const QString dati = (nuovacasa(), cartellalocale());
    archivio();

    SaldiAnno s;
    ASSERT_TRUE(calcolasaldi(radice, anno, 1, 2, s));
    EXPECT_EQ(s.entratemese[3], 100 * 10000);
    EXPECT_EQ(s.uscitemese[3], 250 * 10000);
    EXPECT_EQ(s.saldo(3), -150 * 10000);
    EXPECT_EQ(s.saldo(5), 150 * 10000);
    EXPECT_EQ(s.entratemese[12] + s.uscitemese[12], 0);
    EXPECT_EQ(s.entratemese[0], 350 * 10000);
    EXPECT_EQ(s.uscitemese[0], 350 * 10000);
    EXPECT_EQ(s.saldo(0), 0);

    // Every account of the company, still without the deleted ones and the other company.
    ASSERT_TRUE(calcolasaldi(radice, anno, 1, 1, s));
    EXPECT_EQ(s.entratemese[3], 111 * 10000);
    EXPECT_EQ(s.uscitemese[12], 30 * 10000);
    EXPECT_EQ(s.uscitemese[0], 380 * 10000);
    qint64 entrate = 0, uscite = 0;
    for (int m = 1; m <= 12; ++m) {
        entrate += s.entratemese[m];
        uscite += s.uscitemese[m];
    }
    EXPECT_EQ(entrate, s.entratemese[0]);
    EXPECT_EQ(uscite, s.uscitemese[0]);

    // The other company sees its own movements only, of any account.
    ASSERT_TRUE(calcolasaldi(radice, anno, 2, 1, s));
    EXPECT_EQ(s.saldo(3), -2 * 10000);
    ASSERT_TRUE(calcolasaldi(radice, anno, 2, 2, s));
    EXPECT_EQ(s.saldo(0), 7 * 10000);

    // Every month visited has its file now, empty when it had none.
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(QFileInfo::exists(
            QStringLiteral("%1/mov%2").arg(dati).arg(m, 2, 10, QChar('0')) + anno));
    EXPECT_EQ(QFileInfo(dati + "/mov0108").size(), 0);
}

TEST(Saldi, AmountsAddWithTheirOwnSignAndPartialRecordsAreLeftOut) {
    const QString dati = (nuovacasa(), cartellalocale());
    registra(2, 0, -40);
    registra(2, 1, -5);
    // The tail of a record whose write was cut off.
    scrivibyte(dati + "/mov0208", leggibyte(dati + "/mov0208") + QByteArray(60, '\x01'));
    SaldiAnno s;
    ASSERT_TRUE(calcolasaldi(radice, anno, 1, 2, s));
    EXPECT_EQ(s.entratemese[2], -40 * 10000);
    EXPECT_EQ(s.uscitemese[2], -5 * 10000);
    EXPECT_EQ(s.saldo(2), -35 * 10000);
}

TEST(Saldi, AMonthThatCannotBeReadStopsTheSumsAndIsNamed) {
    const QString dati = (nuovacasa(), cartellalocale());
    archivio();
    ASSERT_TRUE(QDir().mkdir(dati + "/mov0608")); // a folder where the month file should be
    SaldiAnno s;
    const Esito e = calcolasaldi(radice, anno, 1, 2, s);
    EXPECT_FALSE(e);
    EXPECT_TRUE(e.file.endsWith("mov0608")) << e.file.toStdString();
    EXPECT_FALSE(e.motivo.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dati + "/mov0708")); // nothing read past the failure
}
