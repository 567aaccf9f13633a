#include "ledger/elabora.h"
#include "store/filemese.h"
#include "support/aiuti.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

constexpr qint64 euro = 10000;

Movimento mov(qint16 giorno, qint16 segno, qint64 importo, const QString &d1 = "Mov",
              qint16 conto = 2, qint16 ditta = 1, const QString &d2 = "", qint16 contatto = 0)
{
    return Movimento{giorno, d1, d2, segno, importo, conto, ditta, contatto};
}

struct Registro : ::testing::Test {
    FiltroMese f;
    TabellaMese t;
    void SetUp() override
    {
        nuovacasa();
        cartellalocale();
        f.percorso = "c:";
        f.annogestione = "26";
        f.dittacorrente = 1;
    }
    QString file(int m) const
    {
        return QDir::homePath() + QStringLiteral("/quaderoladati/mov%1").arg(m, 2, 10, QChar('0')) +
               f.annogestione;
    }
    // Writes the month file whole, records in the order given.
    void mese(int m, const QList<Movimento> &movimenti)
    {
        QByteArray dati;
        for (const Movimento &x : movimenti)
            dati += movimento::codifica(x);
        scrivibyte(file(m), dati);
    }
    void carica(int periodo)
    {
        f.mesecorrente = qint16(periodo);
        ASSERT_TRUE(elabora(t, f));
    }
    std::string descrizioni() const
    {
        QStringList d;
        for (int i = 1; i <= t.numerorighe; ++i)
            d << t.riga(i).descrizione[0];
        return d.join(", ").toStdString();
    }
    // Every row as "#record day/month description1|description2 +income or -expense =balance",
    // whole euro ("?" for a sign that is neither), then "= total income, total expense".
    std::string righe() const
    {
        QStringList d;
        for (int i = 1; i <= t.numerorighe; ++i) {
            const RigaMese &r = t.riga(i);
            d << QString::asprintf("#%d %d/%d %s|%s %c%lld =%lld", r.numero, r.giorno, r.mese,
                                   r.descrizione[0].testo().toUtf8().constData(),
                                   r.descrizione[1].testo().toUtf8().constData(),
                                   "+-?"[qMin<int>(r.segno, 2)], r.importo / euro, r.saldo / euro);
        }
        return QString::asprintf("%s = %lld %lld", d.join(", ").toUtf8().constData(),
                                 t.totali[0] / euro, t.totali[1] / euro)
            .toStdString();
    }
};

} // namespace

TEST_F(Registro, CarriedBalanceOpensEveryPeriodAfterJanuaryUnlessZero)
{
    mese(1, {mov(10, 0, 100 * euro)});
    mese(2, {mov(3, 1, 30 * euro)});
    mese(3, {mov(5, 1, 20 * euro, "Affitto"), mov(1, 0, 5 * euro, "Primo")});
    carica(3); // a movement of the 1st comes after the carried balance
    EXPECT_EQ(righe(), "#0 1/3 SALDO PRECEDENTE|Febbraio 2026 +70 =70, "
                       "#2 1/3 Primo| +5 =75, #1 5/3 Affitto| -20 =55 = 75 20");

    // Never for January, the whole year or a search.
    carica(1);
    EXPECT_EQ(descrizioni(), "Mov");
    carica(0);
    EXPECT_EQ(descrizioni(), "Mov, Mov, Primo, Affitto");
    f.ricerca[0] = "a";
    carica(3);
    EXPECT_EQ(righe(), "#1 5/3 Affitto| -20 =-20 = 0 20");

    // A negative one, and one that cancels out to no row at all.
    f.ricerca[0].clear();
    mese(1, {mov(10, 1, 100 * euro)});
    mese(2, {mov(1, 0, 40 * euro, "Pari")});
    carica(2);
    EXPECT_EQ(righe(), "#0 1/2 SALDO PRECEDENTE|Gennaio 2026 -100 =-100, "
                       "#1 1/2 Pari| +40 =-60 = 40 100");
    mese(1, {mov(10, 1, 100 * euro), mov(11, 0, 100 * euro)});
    carica(2);
    EXPECT_EQ(righe(), "#1 1/2 Pari| +40 =40 = 40 0");
}

// Deleted records, other companies and other accounts count nowhere, the carried balance
// included; a record of an unknown sign is shown but moves no balance.
TEST_F(Registro, AccountCompanyAndDeletedFiltersHoldEverywhere)
{
    const QList<Movimento> gennaio = {
        mov(1, 0, 10 * euro, "Cassa"), mov(1, 0, 1 * euro, "Banca", 3),
        mov(1, 0, 500 * euro, "Altra ditta", 2, 2), mov(2, 2, 1000 * euro, "Cancellato")};
    mese(1, gennaio);
    mese(2, gennaio + QList<Movimento>{mov(4, 3, 99 * euro, "Strano"), mov(6, 1, 4 * euro)});
    carica(2);
    EXPECT_EQ(righe(), "#0 1/2 SALDO PRECEDENTE|Gennaio 2026 +10 =10, #1 1/2 Cassa| +10 =20, "
                       "#5 4/2 Strano| ?99 =20, #6 6/2 Mov| -4 =16 = 20 4");
    f.contocorrente = 1; // TUTTI
    carica(2);
    EXPECT_EQ(righe(), "#0 1/2 SALDO PRECEDENTE|Gennaio 2026 +11 =11, #1 1/2 Cassa| +10 =21, "
                       "#2 1/2 Banca| +1 =22, #5 4/2 Strano| ?99 =22, #6 6/2 Mov| -4 =18 = 22 4");
    EXPECT_EQ(t.riga(3).conto, 3);
    f.contocorrente = 3;
    carica(0);
    EXPECT_EQ(descrizioni(), "Banca, Banca");
    f.dittacorrente = 2;
    f.contocorrente = 2;
    carica(2);
    EXPECT_EQ(descrizioni(), "SALDO PRECEDENTE, Altra ditta");
}

TEST_F(Registro, RowsFollowMonthThenDayThenFileOrder)
{
    mese(1, {mov(20, 0, euro, "G20")});
    mese(2, {mov(9, 0, euro, "A"), mov(9, 0, euro, "B"), mov(9, 0, euro, "C"),
             mov(3, 0, euro, "Prima"), mov(28, 0, euro, "Fine"), mov(9, 0, euro, "D")});
    mese(3, {mov(1, 1, euro, "M1")});
    carica(0);
    EXPECT_EQ(righe(),
              "#1 20/1 G20| +1 =1, #4 3/2 Prima| +1 =2, #1 9/2 A| +1 =3, #2 9/2 B| +1 =4, "
              "#3 9/2 C| +1 =5, #6 9/2 D| +1 =6, #5 28/2 Fine| +1 =7, #1 1/3 M1| -1 =6 = 7 1");
}

// The table elabora builds is the one inserting every row with ordina would build, weird days
// of a damaged file included.
TEST_F(Registro, SameTableAsInsertingRowByRowWithOrdina)
{
    QRandomGenerator caso(7);
    QList<QList<Movimento>> mesi(4);
    for (int m = 1; m <= 3; ++m) {
        for (int i = 0; i < 300; ++i)
            mesi[m].append(mov(qint16(caso.bounded(-1, 33)), qint16(caso.bounded(2)),
                               caso.bounded(1, 1000) * euro, QString::number(i)));
        mese(m, mesi[m]);
    }
    // Month 2 behind the carried balance of January, then the whole year without one.
    for (int periodo : {2, 0}) {
        carica(periodo);
        TabellaMese atteso;
        if (periodo == 2) {
            atteso.numerorighe = 1;
            atteso.righe[1].mese = 2;
            atteso.righe[1].giorno = 1;
        }
        for (int m = periodo ? periodo : 1; m <= (periodo ? periodo : 3); ++m)
            for (int r = 0; r < mesi[m].size(); ++r) {
                const qint16 p = ordina(atteso, mesi[m][r].giorno, qint16(m));
                ++atteso.numerorighe;
                atteso.righe[p] = RigaMese();
                atteso.righe[p].numero = r + 1;
                atteso.righe[p].mese = qint16(m);
                atteso.righe[p].giorno = mesi[m][r].giorno;
            }
        ASSERT_EQ(t.numerorighe, atteso.numerorighe);
        for (int i = 1; i <= t.numerorighe; ++i) {
            ASSERT_EQ(t.riga(i).numero, atteso.riga(i).numero) << periodo << " " << i;
            ASSERT_EQ(t.riga(i).mese, atteso.riga(i).mese) << i;
        }
    }
}

TEST_F(Registro, OrdinaMakesRoomAfterTheLastRowNotLater)
{
    for (qint16 g : {1, 4, 4, 9}) {
        RigaMese &r = t.righe[++t.numerorighe];
        r.mese = 2;
        r.giorno = g;
        r.numero = t.numerorighe;
    }
    EXPECT_EQ(ordina(t, 4, 2), 4);
    EXPECT_EQ(t.righe[5].numero, 4); // the 9th moved down
    t.numerorighe = 0;
    EXPECT_EQ(ordina(t, 7, 2), 1);
    t.numerorighe = 3; // days 1, 4, 4 of February; March goes after them all
    EXPECT_EQ(ordina(t, 1, 3), 4);
    EXPECT_EQ(ordina(t, 0, 2), 1);
    EXPECT_EQ(t.righe[2].numero, 1);
}

TEST_F(Registro, CapacityKeepsTheFirstRowsAndFlagsTheRest)
{
    QList<Movimento> tanti;
    for (int i = 0; i < 4000; ++i)
        tanti.append(mov(qint16(28 - i % 28), 0, euro, QString::number(i)));
    mese(1, tanti);
    mese(2, tanti);
    carica(0);
    EXPECT_EQ(t.numerorighe, 5000);
    EXPECT_NE(t.righescartate, 0);
    EXPECT_EQ(t.riga(5000).mese, 2);
    // February keeps its first 1000 records in file order, sorted by day.
    int febbraio = 0;
    for (int i = 1; i <= 5000; ++i)
        if (t.riga(i).mese == 2) {
            ++febbraio;
            EXPECT_LE(t.riga(i).numero, 1000);
        }
    EXPECT_EQ(febbraio, 1000);
    EXPECT_EQ(t.totali[0], 5000 * euro);
    EXPECT_EQ(t.riga(5000).saldo, 5000 * euro);
    EXPECT_TRUE(QFile::exists(file(12))); // the months after the full table still get their file

    // Exactly 5000 matching movements: all shown, nothing dropped.
    mese(2, tanti.mid(0, 1000));
    carica(0);
    EXPECT_EQ(t.numerorighe, 5000);
    EXPECT_EQ(t.righescartate, 0);
}

TEST_F(Registro, SearchIgnoresCaseAlsoOnAccentedLetters)
{
    mese(4,
         {mov(1, 0, euro, "Fattura ROSSI srl", 2, 1, "saldo"),
          mov(2, 0, euro, "CAFFÈ CITTÀ", 2, 1, "Nota"), mov(3, 0, euro, "Rossini", 2, 1, "acconto"),
          mov(4, 0, euro, "Bianchi", 2, 1, "", 5), mov(5, 0, euro, "Rossi", 2, 1, "", 6)});
    auto cerca = [&](const QString &testo1, const QString &testo2, qint32 contatto) {
        f.ricerca[0] = testo1;
        f.ricerca[1] = testo2;
        f.contattoricercato = contatto;
        EXPECT_TRUE(elabora(t, f));
        return descrizioni();
    };
    f.mesecorrente = 4;
    EXPECT_EQ(cerca("rossi", "", 0), "Fattura ROSSI srl, Rossini, Rossi");
    EXPECT_EQ(cerca("città", "", 0), "CAFFÈ CITTÀ");
    EXPECT_EQ(cerca("ross", "ACCONTO", 0), "Rossini"); // both texts must match
    EXPECT_EQ(cerca("", "", 6), "Rossi");
}

TEST_F(Registro, UnreadableFolderLeavesTheTableEmptyAndWritesNothing)
{
    mese(5, {mov(1, 0, euro)});
    carica(5);
    ASSERT_EQ(t.numerorighe, 1);
    EXPECT_TRUE(QFile::exists(file(1))); // the missing months are created empty
    const QString rete = QDir::homePath() + "/rete";
    f.percorso = rete;
    f.mesecorrente = 3;
    const Esito e = elabora(t, f);
    EXPECT_FALSE(e);
    EXPECT_TRUE(e.file.contains(QDir::toNativeSeparators(rete + "/quaderoladati")));
    EXPECT_EQ(t.numerorighe, 0);
    EXPECT_EQ(righe(), " = 0 0");
    EXPECT_FALSE(QDir(rete).exists());
}
