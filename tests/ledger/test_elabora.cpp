#include "ledger/elabora.h"
#include "ledger/saldi.h"
#include "platform/percorsi.h"
#include "support/archivio.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

struct Registro : ::testing::Test {
    QString dati = nuovoarchivio();
    FiltroMese f{"c:", "26", 1, 2, 0, {}, 0};
    TabellaMese t;
    SaldiAnno s;

    Esito carica(int periodo) { return f.mesecorrente = qint16(periodo), elabora(t, f); }
    // Every row as "#record day/month description1|description2 +income or -expense =balance",
    // whole euro ("?" for a sign that is neither), then "= total income, total expense"; or
    // only the first descriptions.
    std::string righe(bool tutto = true) const
    {
        QStringList d;
        for (int i = 1; i <= t.numerorighe; ++i) {
            const RigaMese &r = t.riga(i);
            const QString uno = r.descrizione[0], due = r.descrizione[1];
            d << QString::asprintf("#%d %d/%d %s|%s %c%lld =%lld", r.numero, r.giorno, r.mese,
                                   qPrintable(uno), qPrintable(due), "+-?"[qMin<int>(r.segno, 2)],
                                   r.importo / euro, r.saldo / euro);
            d.last() = tutto ? d.last() : uno;
        }
        const QString totali =
            QString::asprintf(" = %lld %lld", t.totali[0] / euro, t.totali[1] / euro);
        return (d.join(", ") + (tutto ? totali : "")).toStdString();
    }
};

TEST_F(Registro, CarriedBalanceOpensEveryPeriodAfterJanuaryUnlessZero)
{
    scrivimese(1, {mov(10, 0, 100 * euro)});
    scrivimese(2, {mov(3, 1, 30 * euro)});
    scrivimese(3,
               {mov(5, 1, 20 * euro, "Affitto", 2, 1, "Marzo", 6), mov(1, 0, 5 * euro, "Primo")});
    ASSERT_TRUE(carica(3)); // a movement of the 1st comes after the carried balance
    EXPECT_EQ(righe(), "#0 1/3 SALDO PRECEDENTE|Febbraio 2026 +70 =70, "
                       "#2 1/3 Primo| +5 =75, #1 5/3 Affitto|Marzo -20 =55 = 75 20");
    // Never for January, the whole year or a search, where both texts and the contact must match.
    const std::tuple<int, const char *, const char *, int, const char *> casi[] = {
        {1, "", "", 0, "Mov"},         {3, "a", "", 0, "Affitto"},
        {3, "a", "MAR", 0, "Affitto"}, {3, "a", "x", 0, ""},
        {3, "", "", 6, "Affitto"},     {0, "", "", 0, "Mov, Mov, Primo, Affitto"}};
    for (const auto &[periodo, testo1, testo2, contatto, attese] : casi) {
        f = {"c:", "26", 1, 2, 0, {testo1, testo2}, contatto};
        ASSERT_TRUE(carica(periodo));
        EXPECT_EQ(righe(false), attese);
    }

    // One that cancels out to no row at all.
    scrivimese(2, {mov(1, 0, 40 * euro, "Pari")});
    scrivimese(1, {mov(10, 1, 100 * euro), mov(11, 0, 100 * euro)});
    ASSERT_TRUE(carica(2));
    EXPECT_EQ(righe(), "#1 1/2 Pari| +40 =40 = 40 0");
}

// Deleted records, other companies and other accounts count nowhere, the carried balance
// included; a record of an unknown sign is shown but moves no balance.
TEST_F(Registro, AccountCompanyAndDeletedFiltersHoldEverywhere)
{
    const QList<Movimento> gennaio = {
        mov(1, 0, 10 * euro, "Cassa"), mov(1, 0, 1 * euro, "Banca", 3),
        mov(1, 0, 500 * euro, "Altra ditta", 2, 2), mov(2, 2, 1000 * euro, "Cancellato")};
    scrivimese(1, gennaio);
    scrivimese(2, gennaio + QList<Movimento>{mov(4, 3, 99 * euro, "Strano"), mov(6, 1, 4 * euro)});
    ASSERT_TRUE(carica(2));
    EXPECT_EQ(righe(), "#0 1/2 SALDO PRECEDENTE|Gennaio 2026 +10 =10, #1 1/2 Cassa| +10 =20, "
                       "#5 4/2 Strano| ?99 =20, #6 6/2 Mov| -4 =16 = 20 4");
    f.contocorrente = 1; // TUTTI
    ASSERT_TRUE(carica(2));
    EXPECT_EQ(righe(), "#0 1/2 SALDO PRECEDENTE|Gennaio 2026 +11 =11, #1 1/2 Cassa| +10 =21, "
                       "#2 1/2 Banca| +1 =22, #5 4/2 Strano| ?99 =22, #6 6/2 Mov| -4 =18 = 22 4");
    f.dittacorrente = 2;
    f.contocorrente = 2;
    ASSERT_TRUE(carica(2));
    EXPECT_EQ(righe(false), "SALDO PRECEDENTE, Altra ditta");
}

// The table elabora builds is the one inserting every row with ordina would build, weird days
// of a damaged file included.
TEST_F(Registro, SameTableAsInsertingRowByRowWithOrdina)
{
    QRandomGenerator caso(7);
    TabellaMese atteso;
    for (int m = 1; m <= 3; ++m) {
        QList<Movimento> movimenti;
        for (int r = 1; r <= 300; ++r) {
            const qint16 giorno = qint16(caso.bounded(-5, 64));
            movimenti.append(mov(giorno, 0, euro));
            const qint16 p = ordina(atteso, giorno, qint16(m));
            ++atteso.numerorighe;
            atteso.righe[p] = RigaMese{r, giorno, qint16(m), {}};
        }
        scrivimese(m, movimenti);
    }
    ASSERT_TRUE(carica(0));
    ASSERT_EQ(t.numerorighe, atteso.numerorighe);
    for (int i = 1; i <= t.numerorighe; ++i)
        ASSERT_EQ(t.riga(i).numero * 100 + t.riga(i).mese,
                  atteso.riga(i).numero * 100 + atteso.riga(i).mese);
}

// A full table keeps the first rows and flags the rest. An unreadable month is a failure naming
// it: nothing past it is read, the table is left empty and nothing is written.
TEST_F(Registro, FullTableAndUnreadableMonths)
{
    QList<Movimento> tanti;
    for (int i = 0; i < 4000; ++i)
        tanti.append(mov(qint16(28 - i % 28), 0, euro, QString::number(i)));
    scrivimese(1, tanti);
    const QString secondo = scrivimese(2, tanti);
    ASSERT_TRUE(carica(0));
    EXPECT_TRUE(t.numerorighe == 5000 && t.righescartate != 0);
    // February keeps its first 1000 records in file order, sorted by day.
    int febbraio = 0;
    for (int i = 1; i <= 5000; ++i)
        febbraio += t.riga(i).mese == 2 && t.riga(i).numero <= 1000;
    EXPECT_TRUE(febbraio == 1000 && t.riga(5000).mese == 2);
    EXPECT_TRUE(
        QFile::exists(dati + "/mov1226")); // the months after the full table still get their file
    // The monthly sums count every record of a long month, but not a write that was cut off.
    scrivibyte(secondo, leggibyte(secondo) + QByteArray(60, '\x01'));
    EXPECT_TRUE(calcolasaldi("c:", "26", 1, 2, s) && s.entratemese[2] == 4000 * euro);

    ASSERT_TRUE(QDir().mkdir(dati + "/mov0727")); // a folder where the month file should be
    scrivimese(1, {mov(1, 0, euro)}, "27");
    const Esito e = calcolasaldi("c:", "27", 1, 2, s);
    EXPECT_TRUE(!e && e.file.endsWith("mov0727") && !QFileInfo::exists(dati + "/mov0827"));
    f.annogestione = "27"; // January's row is read before July fails
    EXPECT_TRUE(!carica(0) && righe() == " = 0 0");
    f.percorso = cartellautente() + "/rete";
    const Esito r = elabora(t, f);
    EXPECT_TRUE(!r && r.file.contains(QDir::toNativeSeparators(f.percorso + "/quaderoladati")))
        << r.file.toStdString();
    EXPECT_FALSE(QDir(f.percorso).exists());
}
