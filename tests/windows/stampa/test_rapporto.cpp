#include "ledger/tabellamese.h"
#include "registratore.h"
#include "windows/stampa/rapporto.h"

#include <gtest/gtest.h>

namespace {

RigaMese movimento(qint16 giorno, const QString &d0, qint16 segno, qint64 euro, qint64 saldo) {
    RigaMese r;
    r.numero = 1;
    r.giorno = giorno;
    r.mese = 3;
    r.descrizione[0] = d0;
    r.descrizione[1] = QStringLiteral("seconda ") + d0;
    r.segno = segno;
    r.importo = euro * 10000;
    r.saldo = saldo * 10000;
    return r;
}

TabellaMese tabella(int righe) {
    TabellaMese t;
    for (int i = 1; i <= righe; ++i)
        t.righe[i] = movimento(qint16(i), QStringLiteral("Voce %1").arg(i), 0, 10, 10 * i);
    t.numerorighe = qint16(righe);
    return t;
}

Lavoro lavoro() {
    Lavoro l;
    l.titolo = QStringLiteral("CONTO CASSA Marzo 2008");
    l.anno = QStringLiteral("08");
    return l;
}

void testo(const Operazione &o, const QString &scritto, double x, double y, bool grassetto) {
    EXPECT_EQ(o.scritto, scritto);
    EXPECT_NEAR(o.x, x, 1e-9) << o.scritto.toStdString();
    EXPECT_NEAR(o.y, y, 1e-9) << o.scritto.toStdString();
    EXPECT_EQ(o.grassetto, grassetto) << o.scritto.toStdString();
}

QList<Operazione> linee(const Registratore &r) {
    QList<Operazione> l;
    for (const Operazione &o : r.fatte)
        if (o.tipo == Operazione::linea) l.append(o);
    return l;
}

// Six rules from y - altezza down to y, left of every column and at the right border.
void telaio(const QList<Operazione> &l, qsizetype da, double y, double altezza) {
    const double xs[] = {0.5, 2.3, 9, 11.7, 14.5, 17.5};
    for (int i = 0; i < 6; ++i) {
        const Operazione &o = l[da + i];
        EXPECT_NEAR(o.x, xs[i], 1e-9);
        EXPECT_NEAR(o.x2, xs[i], 1e-9);
        EXPECT_NEAR(o.y, y - altezza, 1e-9);
        EXPECT_NEAR(o.y2, y, 1e-9);
    }
}

void orizzontale(const Operazione &o, double y) {
    EXPECT_NEAR(o.x, 0.5, 1e-9);
    EXPECT_NEAR(o.x2, 17.5, 1e-9);
    EXPECT_NEAR(o.y, y, 1e-9);
    EXPECT_NEAR(o.y2, y, 1e-9);
}

bool stampato(const Registratore &r, const QString &testo) {
    for (const Operazione &o : r.fatte)
        if (o.scritto == testo) return true;
    return false;
}

} // namespace

TEST(Rapporto, OneRowIsOnePageWithEveryPositionOfAnEighteenCentimetreWidth) {
    Registratore r;
    TabellaMese t;
    t.righe[1] = movimento(5, QStringLiteral("Fattura 12"), 0, 100, 100);
    t.numerorighe = 1;
    ASSERT_EQ(stampamese(r, "Ufficio", t, lavoro()), Esitostampa::completata);
    EXPECT_EQ(r.scelta, "Ufficio");
    EXPECT_EQ(r.fini, 1);

    const QList<Operazione> s = r.testi();
    ASSERT_EQ(s.size(), 12);
    testo(s[0], "CONTO CASSA Marzo 2008", (18 - 22 * 0.25) / 2, 0.5, true);
    testo(s[1], "Pag. 1", 18 - 6 * 0.2 - 0.5, 1.0, false);
    testo(s[2], "DATA", 1.1, 2.0, true);
    testo(s[3], "DESCRIZIONE", 4.7, 2.0, true);
    testo(s[4], "ENTRATE", 9.5, 2.0, true);
    testo(s[5], "USCITE", 12.5, 2.0, true);
    testo(s[6], "SALDO", 15.5, 2.0, true);
    testo(s[7], "05/03/08", 0.8, 3.0, false);
    testo(s[8], "Fattura 12", 2.5, 3.0, true);
    testo(s[9], "seconda Fattura 12", 2.5, 3.5, false);
    testo(s[10], "€ 100,00", 9.5, 3.5, false);
    testo(s[11], "€ 100,00", 17.5 - 8 * 0.2, 3.5, false); // ends at W - 0.5
    EXPECT_TRUE(s[11].acapo);

    const QList<Operazione> l = linee(r);
    ASSERT_EQ(l.size(), 1 + 6 + 1 + 6 + 1);
    orizzontale(l[0], 1.5);
    telaio(l, 1, 3.0, 1.5);
    orizzontale(l[7], 3.0);
    telaio(l, 8, 4.0, 0.99);
    orizzontale(l[14], 4.0); // the closing rule
    for (const Operazione &o : r.fatte)
        EXPECT_NE(o.tipo, Operazione::pagina);
}

TEST(Rapporto, ExpensesGoToTheirColumnAndOnlyNegativeBalancesAreBold) {
    Registratore r;
    TabellaMese t;
    t.righe[1] = movimento(1, QStringLiteral("SALDO PRECEDENTE"), 1, 150, -50);
    t.righe[2] = movimento(9, QStringLiteral("Incasso"), 0, 80, 30);
    t.numerorighe = 2;
    ASSERT_EQ(stampamese(r, "Laser", t, lavoro()), Esitostampa::completata);
    const QList<Operazione> s = r.testi();
    ASSERT_EQ(s.size(), 17);
    testo(s[7], "01/03/08", 0.8, 3.0, false);
    testo(s[8], "SALDO PRECEDENTE", 2.5, 3.0, true);
    testo(s[10], "€ 150,00", 12.5, 3.5, false);
    testo(s[11], "€ -50,00", 17.5 - 8 * 0.25, 3.5, true);
    testo(s[12], "09/03/08", 0.8, 4.0, false);
    testo(s[14], "seconda Incasso", 2.5, 4.5, false);
    testo(s[15], "€ 80,00", 9.5, 4.5, false);
    testo(s[16], "€ 30,00", 17.5 - 7 * 0.2, 4.5, false);
}

TEST(Rapporto, ThePageBreakIsTestedAfterEveryRowTheLastIncluded) {
    // A header ends 3 cm down and a row takes 1 cm: with H = 10 a page breaks at y >= 8, so
    // after the fifth row of each page.
    for (int righe : {5, 7, 12}) {
        SCOPED_TRACE(righe);
        Registratore r;
        r.H = 10;
        ASSERT_EQ(stampamese(r, "Laser", tabella(righe), lavoro()), Esitostampa::completata);
        QStringList pagine;
        int nuove = 0;
        for (const Operazione &o : r.fatte) {
            if (o.tipo == Operazione::pagina) ++nuove;
            if (o.scritto.startsWith("Pag.")) pagine.append(o.scritto);
        }
        const int attese = righe / 5 + 1;
        EXPECT_EQ(nuove, attese - 1);
        ASSERT_EQ(pagine.size(), attese);
        EXPECT_EQ(pagine.first(), "Pag. 1");
        EXPECT_EQ(pagine.last(), QStringLiteral("Pag. %1").arg(attese));

        // The page is closed by a rule under its fifth row, just before the new page.
        for (qsizetype i = 0; i < r.fatte.size(); ++i) {
            if (r.fatte[i].tipo != Operazione::pagina) continue;
            orizzontale(r.fatte[i - 1], 8.0);
            EXPECT_EQ(r.fatte[i + 1].y, 0.0);
        }
        // The closing rule: right under the heading frame when the last row filled the page.
        const double fondo = righe % 5 == 0 ? 3.0 : 3.0 + righe % 5;
        orizzontale(r.fatte.last(), fondo);
        EXPECT_TRUE(stampato(r, QStringLiteral("€ %1,00").arg(10 * righe)));
    }
}

TEST(Rapporto, TheColumnUnitKeepsFourDecimals) {
    Registratore r;
    r.W = 20; // U = 3.3333
    ASSERT_EQ(stampamese(r, "Laser", tabella(1), lavoro()), Esitostampa::completata);
    const QList<Operazione> s = r.testi();
    EXPECT_NEAR(s[4].x, 3 * 3.3333 + 0.5, 1e-9);
    EXPECT_NEAR(s[10].x, 3 * 3.3333 + 0.5, 1e-9);
    EXPECT_NEAR(linee(r)[3].x, 3 * 3.3333, 1e-9);
}

TEST(Rapporto, AFailureEndsTheDocumentWhereItStood) {
    Registratore r;
    r.falliscidopo = 45; // inside the third row
    EXPECT_EQ(stampamese(r, "Laser", tabella(6), lavoro()), Esitostampa::interrotta);
    EXPECT_EQ(r.fatte.size(), 45); // nothing after the failure, no closing rule
    EXPECT_EQ(r.fini, 1);          // the pages drawn are sent

    Registratore nessuna;
    EXPECT_EQ(stampamese(nessuna, "laser", tabella(1), lavoro()), Esitostampa::nessunastampante);
    EXPECT_EQ(stampamese(nessuna, "", tabella(1), lavoro()), Esitostampa::nessunastampante);
    EXPECT_TRUE(nessuna.fatte.isEmpty());
    EXPECT_TRUE(nessuna.scelta.isEmpty());
    EXPECT_EQ(nessuna.fini, 0);
}
