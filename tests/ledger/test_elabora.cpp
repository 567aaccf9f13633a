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
    Movimento m;
    m.giorno = giorno;
    m.descrizione1 = d1;
    m.descrizione2 = d2;
    m.segno = segno;
    m.importo = importo;
    m.conto = conto;
    m.ditta = ditta;
    m.contatto = contatto;
    return m;
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
        f.contocorrente = 2;
    }
    // Writes the month file whole, records in the order given.
    void mese(int m, const QList<Movimento> &movimenti)
    {
        QByteArray dati;
        for (const Movimento &x : movimenti)
            dati += movimento::codifica(x);
        scrivibyte(QDir::homePath() +
                       QStringLiteral("/quaderoladati/mov%1").arg(m, 2, 10, QChar('0')) +
                       f.annogestione,
                   dati);
    }
    void carica(int periodo)
    {
        f.mesecorrente = qint16(periodo);
        ASSERT_TRUE(elabora(t, f));
    }
    QStringList descrizioni() const
    {
        QStringList d;
        for (int i = 1; i <= t.numerorighe; ++i)
            d << t.riga(i).descrizione[0];
        return d;
    }
    qint64 finale() const { return t.riga(t.numerorighe).saldo; }
};

} // namespace

TEST_F(Registro, CarriedBalanceOpensEveryPeriodAfterJanuary)
{
    mese(1, {mov(10, 0, 100 * euro)});
    mese(2, {mov(3, 1, 30 * euro)});
    mese(3, {mov(5, 1, 20 * euro, "Affitto"), mov(1, 0, 5 * euro, "Primo")});
    carica(3);
    ASSERT_EQ(t.numerorighe, 3);
    const RigaMese &r = t.riga(1);
    EXPECT_EQ(r.numero, 0);
    EXPECT_EQ(r.giorno, 1);
    EXPECT_EQ(r.mese, 3);
    EXPECT_EQ(r.descrizione[0], "SALDO PRECEDENTE");
    EXPECT_EQ(r.descrizione[1], "Febbraio 2026");
    EXPECT_EQ(r.importo, 70 * euro);
    EXPECT_EQ(r.segno, 0);
    EXPECT_EQ(r.saldo, 70 * euro);
    // A movement of the 1st comes after the carried balance.
    EXPECT_EQ(descrizioni(), QStringList({"SALDO PRECEDENTE", "Primo", "Affitto"}));
    EXPECT_EQ(t.riga(2).saldo, 75 * euro);
    EXPECT_EQ(t.riga(3).saldo, 55 * euro);
    EXPECT_EQ(t.totali[0], 75 * euro);
    EXPECT_EQ(t.totali[1], 20 * euro);

    // Never for January, the whole year or a search.
    carica(1);
    EXPECT_EQ(descrizioni(), QStringList({"Mov"}));
    carica(0);
    EXPECT_EQ(descrizioni(), QStringList({"Mov", "Mov", "Primo", "Affitto"}));
    f.ricerca[1] = "";
    f.contattoricercato = 0;
    f.ricerca[0] = "a";
    carica(3);
    EXPECT_EQ(descrizioni(), QStringList({"Affitto"}));
    EXPECT_EQ(t.totali[0], 0);
    EXPECT_EQ(t.totali[1], 20 * euro);
}

TEST_F(Registro, NegativeOrCancellingCarriedBalance)
{
    mese(1, {mov(10, 1, 100 * euro)});
    carica(2);
    ASSERT_EQ(t.numerorighe, 1);
    EXPECT_EQ(t.riga(1).segno, 1);
    EXPECT_EQ(t.riga(1).importo, 100 * euro);
    EXPECT_EQ(t.riga(1).descrizione[1], "Gennaio 2026");
    EXPECT_EQ(finale(), -100 * euro);
    EXPECT_EQ(t.totali[1], 100 * euro);

    mese(1, {mov(10, 1, 100 * euro), mov(11, 0, 60 * euro)});
    mese(2, {mov(1, 0, 40 * euro, "Pari")});
    carica(3);
    EXPECT_EQ(descrizioni(), QStringList()); // cancelled out: no row at all
    EXPECT_EQ(finale(), 0);
    carica(2);
    EXPECT_EQ(descrizioni(), QStringList({"SALDO PRECEDENTE", "Pari"}));
    EXPECT_EQ(finale(), 0);
}

TEST_F(Registro, AccountCompanyAndDeletedFiltersHoldEverywhere)
{
    Movimento cancellato = mov(2, 0, 1000 * euro, "Cancellato");
    cancellato.segno = 2;
    const QList<Movimento> gennaio = {mov(1, 0, 10 * euro, "Cassa"),
                                      mov(1, 0, 1 * euro, "Banca", 3),
                                      mov(1, 0, 500 * euro, "Altra ditta", 2, 2), cancellato};
    mese(1, gennaio);
    mese(2, gennaio);
    carica(2);
    EXPECT_EQ(descrizioni(), QStringList({"SALDO PRECEDENTE", "Cassa"}));
    EXPECT_EQ(finale(), 20 * euro);
    f.contocorrente = 1;
    carica(2);
    EXPECT_EQ(descrizioni(), QStringList({"SALDO PRECEDENTE", "Cassa", "Banca"}));
    EXPECT_EQ(t.riga(1).importo, 11 * euro);
    EXPECT_EQ(finale(), 22 * euro);
    EXPECT_EQ(t.riga(3).numero, 2); // record numbers count the records skipped
    EXPECT_EQ(t.riga(3).conto, 3);
    f.contocorrente = 3;
    carica(0);
    EXPECT_EQ(descrizioni(), QStringList({"Banca", "Banca"}));
    f.dittacorrente = 2;
    f.contocorrente = 2;
    carica(2);
    EXPECT_EQ(descrizioni(), QStringList({"SALDO PRECEDENTE", "Altra ditta"}));
}

TEST_F(Registro, RowsFollowMonthThenDayThenFileOrder)
{
    mese(1, {mov(20, 0, euro, "G20")});
    mese(2, {mov(9, 0, euro, "A"), mov(9, 0, euro, "B"), mov(9, 0, euro, "C"),
             mov(3, 0, euro, "Prima"), mov(28, 0, euro, "Fine"), mov(9, 0, euro, "D")});
    mese(3, {mov(1, 1, euro, "M1")});
    carica(0);
    EXPECT_EQ(descrizioni(), QStringList({"G20", "Prima", "A", "B", "C", "D", "Fine", "M1"}));
    EXPECT_EQ(t.riga(3).numero, 1);
    EXPECT_EQ(t.riga(2).numero, 4);
    EXPECT_EQ(t.riga(8).mese, 3);
    EXPECT_EQ(finale(), 6 * euro);
}

// The table elabora builds is the one inserting every row with ordina would build, weird days
// of a damaged file included.
TEST_F(Registro, SameTableAsInsertingRowByRowWithOrdina)
{
    QRandomGenerator caso(7);
    QList<QList<Movimento>> mesi(4);
    for (int m = 1; m <= 3; ++m)
        for (int i = 0; i < 300; ++i)
            mesi[m].append(mov(qint16(caso.bounded(-1, 33)), qint16(caso.bounded(2)),
                               caso.bounded(1, 1000) * euro, QString::number(i)));
    for (int m = 1; m <= 3; ++m)
        mese(m, mesi[m]);

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
    const qint16 giorni[] = {1, 4, 4, 9};
    for (qint16 g : giorni) {
        RigaMese &r = t.righe[++t.numerorighe];
        r.mese = 2;
        r.giorno = g;
        r.numero = t.numerorighe;
    }
    EXPECT_EQ(ordina(t, 4, 2), 4);
    EXPECT_EQ(t.righe[5].numero, 4); // the 9th moved down
    EXPECT_EQ(t.righe[4].numero, 4);
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
    EXPECT_EQ(finale(), 5000 * euro);
    // The months after the full table still get their file.
    EXPECT_TRUE(QFile::exists(QDir::homePath() + "/quaderoladati/mov1226"));

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
    f.ricerca[0] = "rossi";
    carica(4);
    EXPECT_EQ(descrizioni(), QStringList({"Fattura ROSSI srl", "Rossini", "Rossi"}));
    f.ricerca[0] = "città";
    carica(4);
    EXPECT_EQ(descrizioni(), QStringList({"CAFFÈ CITTÀ"}));

    // Both texts must match.
    f.ricerca[0] = "ross";
    f.ricerca[1] = "ACCONTO";
    carica(4);
    EXPECT_EQ(descrizioni(), QStringList({"Rossini"}));

    f.ricerca[0] = f.ricerca[1] = "";
    f.contattoricercato = 6;
    carica(4);
    EXPECT_EQ(descrizioni(), QStringList({"Rossi"}));
}

TEST_F(Registro, UnreadableFolderLeavesTheTableEmptyAndWritesNothing)
{
    mese(1, {mov(1, 0, euro)});
    carica(1);
    ASSERT_EQ(t.numerorighe, 1);
    const QString rete = QDir::homePath() + "/rete";
    f.percorso = rete;
    f.mesecorrente = 3;
    const Esito e = elabora(t, f);
    EXPECT_FALSE(e);
    EXPECT_TRUE(e.file.contains(QDir::toNativeSeparators(rete + "/quaderoladati")));
    EXPECT_EQ(t.numerorighe, 0);
    EXPECT_EQ(t.totali[0], 0);
    EXPECT_FALSE(QDir(rete).exists());
}

TEST_F(Registro, MissingMonthsAreCreatedEmptyAndOddSignsMoveNothing)
{
    Movimento strano = mov(4, 0, 99 * euro, "Strano");
    strano.segno = 3;
    mese(5, {mov(2, 0, 10 * euro), strano, mov(6, 1, 4 * euro)});
    carica(5);
    EXPECT_TRUE(QFile::exists(QDir::homePath() + "/quaderoladati/mov0126"));
    ASSERT_EQ(t.numerorighe, 3);
    EXPECT_EQ(t.riga(2).saldo, 10 * euro); // the balance goes on past a damaged record
    EXPECT_EQ(finale(), 6 * euro);
    EXPECT_EQ(t.totali[0], 10 * euro);
}
