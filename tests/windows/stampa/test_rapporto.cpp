#include "ledger/tabellamese.h"
#include "registratore.h"
#include "windows/stampa/rapporto.h"

#include <gtest/gtest.h>

namespace {

RigaMese riga(qint16 giorno, const QString &d0, qint16 segno, qint64 euro, qint64 saldo)
{
    return {0, giorno, 3, {d0, "seconda " + d0}, euro * 10000, segno, saldo * 10000};
}

TabellaMese tabella(QList<RigaMese> righe)
{
    TabellaMese t;
    for (qsizetype i = 0; i < righe.size(); ++i)
        t.righe[i + 1] = righe[i];
    t.numerorighe = qint16(righe.size());
    return t;
}

TabellaMese tabella(int n)
{
    QList<RigaMese> righe;
    for (int i = 1; i <= n; ++i)
        righe.append(riga(qint16(i), QStringLiteral("Voce %1").arg(i), 0, 10, 10 * i));
    return tabella(righe);
}

const Lavoro lavoro{-2, 1, "CONTO CASSA Marzo 2008", "08"};

// A rule across the table at y.
void orizzontale(const Operazione &o, double y)
{
    EXPECT_TRUE(o.x == 0.5 && o.x2 == 17.5 && o.y == y && o.y2 == y) << o.x << " " << o.y;
}

} // namespace

TEST(Rapporto, EveryPositionOfAnEighteenCentimetreWidthAndBoldOnlyForNegativeBalances)
{
    Registratore r;
    const TabellaMese t =
        tabella({riga(5, "Fattura 12", 1, 150, -50), riga(9, "Incasso", 0, 80, 30)});
    ASSERT_EQ(stampamese(r, "Ufficio", t, lavoro), Esitostampa::completata);
    EXPECT_EQ(r.scelta, "Ufficio");
    EXPECT_EQ(r.fini, 1);
    const struct {
        const char *testo;
        double x, y;
        bool grassetto;
    } attesi[] = {{"CONTO CASSA Marzo 2008", (18 - 22 * 0.25) / 2, 0.5, true},
                  {"Pag. 1", 18 - 6 * 0.2 - 0.5, 1.0, false},
                  {"DATA", 1.1, 2.0, true},
                  {"DESCRIZIONE", 4.7, 2.0, true},
                  {"ENTRATE", 9.5, 2.0, true},
                  {"USCITE", 12.5, 2.0, true},
                  {"SALDO", 15.5, 2.0, true},
                  {"05/03/08", 0.8, 3.0, false},
                  {"Fattura 12", 2.5, 3.0, true},
                  {"seconda Fattura 12", 2.5, 3.5, false},
                  {"€ 150,00", 12.5, 3.5, false},
                  {"€ -50,00", 17.5 - 8 * 0.25, 3.5, true}, // ends at W - 0.5
                  {"09/03/08", 0.8, 4.0, false},
                  {"Incasso", 2.5, 4.0, true},
                  {"seconda Incasso", 2.5, 4.5, false},
                  {"€ 80,00", 9.5, 4.5, false},
                  {"€ 30,00", 17.5 - 7 * 0.2, 4.5, false}};
    const QList<Operazione> s = r.tipo(Operazione::testo);
    ASSERT_EQ(s.size(), qsizetype(std::size(attesi)));
    for (qsizetype i = 0; i < s.size(); ++i) {
        const auto &a = attesi[i];
        EXPECT_EQ(s[i].scritto, QString::fromUtf8(a.testo));
        EXPECT_NEAR(s[i].x, a.x, 1e-9) << a.testo;
        EXPECT_NEAR(s[i].y, a.y, 1e-9) << a.testo;
        EXPECT_EQ(s[i].grassetto, a.grassetto) << a.testo;
    }

    // Each band: a rule across, then the six column borders from the top of the band down to y.
    const struct {
        double sopra, y, altezza;
    } bande[] = {{1.5, 3.0, 1.5}, {3.0, 4.0, 0.99}, {4.0, 5.0, 0.99}};
    const QList<Operazione> l = r.tipo(Operazione::linea);
    ASSERT_EQ(l.size(), 22);
    qsizetype n = 0;
    for (const auto &b : bande) {
        orizzontale(l[n++], b.sopra);
        for (double x : {0.5, 2.3, 9.0, 11.7, 14.5, 17.5}) {
            const Operazione &o = l[n++];
            EXPECT_TRUE(qAbs(o.x - x) < 1e-9 && o.x2 == o.x &&
                        qAbs(o.y - (b.y - b.altezza)) < 1e-9 && o.y2 == b.y)
                << x << " " << b.y;
        }
    }
    orizzontale(l[n], 5.0); // the closing rule
    EXPECT_TRUE(r.tipo(Operazione::pagina).isEmpty());
}

TEST(Rapporto, ThePageBreakIsTestedAfterEveryRowTheLastIncluded)
{
    // The header ends 3 cm down and a row takes 1 cm: with H = 10 a page breaks at y >= 8,
    // after the fifth row of each page.
    for (int righe : {5, 7, 12}) {
        SCOPED_TRACE(righe);
        Registratore r;
        r.H = 10;
        ASSERT_EQ(stampamese(r, "Laser", tabella(righe), lavoro), Esitostampa::completata);
        const int pagine = righe / 5 + 1;
        EXPECT_EQ(r.tipo(Operazione::pagina).size(), pagine - 1);
        EXPECT_TRUE(r.stampato(QStringLiteral("Pag. %1").arg(pagine)));
        EXPECT_FALSE(r.stampato(QStringLiteral("Pag. %1").arg(pagine + 1)));
        for (qsizetype i = 0; i < r.fatte.size(); ++i)
            if (r.fatte[i].tipo == Operazione::pagina)
                orizzontale(r.fatte[i - 1], 8.0);
        // After a full last page the closing rule lies right under the heading frame.
        orizzontale(r.fatte.last(), righe % 5 == 0 ? 3.0 : 3.0 + righe % 5);
    }
}

TEST(Rapporto, AFailureEndsTheDocumentWhereItStoodAndAnUnknownPrinterPrintsNothing)
{
    Registratore r;
    r.falliscidopo = 45; // inside the third row
    EXPECT_EQ(stampamese(r, "Laser", tabella(6), lavoro), Esitostampa::interrotta);
    EXPECT_EQ(r.fatte.size(), 45); // nothing after the failure, no closing rule
    EXPECT_EQ(r.fini, 1);          // the pages drawn are sent

    Registratore nessuna;
    EXPECT_EQ(stampamese(nessuna, "laser", tabella(1), lavoro), Esitostampa::nessunastampante);
    EXPECT_EQ(stampamese(nessuna, "", tabella(1), lavoro), Esitostampa::nessunastampante);
    EXPECT_TRUE(nessuna.fatte.isEmpty() && nessuna.scelta.isEmpty() && nessuna.fini == 0);
}
