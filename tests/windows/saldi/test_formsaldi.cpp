#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/filemese.h"
#include "support/aiuti.h"
#include "windows/saldi/formsaldi.h"

#include <QAbstractButton>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

void registra(int mese, qint16 segno, qint64 euro, qint16 conto = 2, qint16 ditta = 1) {
    Movimento m;
    m.giorno = 2;
    m.descrizione1 = QStringLiteral("Affitto");
    m.segno = segno;
    m.importo = euro * 10000;
    m.conto = conto;
    m.ditta = ditta;
    ASSERT_TRUE(aggiungimovimento(percorsomese("c:", mese, stato().annogestione), m));
}

struct Saldi : ::testing::Test {
    void SetUp() override {
        nuovacasa();
        cartellalocale();
        Stato &s = stato();
        s.percorso = "c:";
        s.annogestione = "08";
        s.dittacorrente = 1;
        s.contocorrente = 2;
        s.mesecorrente = 0;
        s.azzeraricerca();
        registra(3, 0, 100);
        registra(3, 1, 250);
        registra(3, 1, 999, 2, 2); // another company
        registra(3, 0, 40, 3);     // another account
        registra(3, 0, 555);
        ASSERT_TRUE(cancellamovimento(percorsomese("c:", 3, "08"), 5));
        registra(5, 0, 250);
        registra(5, 1, 100);
    }
};

QStringList riga(const QTableWidget *g, int r) {
    QStringList testi;
    for (int c = 0; c < g->columnCount(); ++c)
        testi.append(g->item(r, c) ? g->item(r, c)->text() : QString());
    return testi;
}

// The colour a balance cell was given; invalid when it keeps the grid's own.
QColor colore(const QTableWidget *g, int r) {
    const QVariant v = g->item(r, 3)->data(Qt::ForegroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
}

} // namespace

TEST_F(Saldi, ShowsEveryMonthAndTheYearWithColouredBalances) {
    Formsaldi f;
    auto *g = f.findChild<QTableWidget *>("griglia");
    ASSERT_TRUE(g);
    EXPECT_EQ(f.findChild<QLabel *>("Label1")->text(), "SALDI CASSA");
    EXPECT_TRUE(f.windowTitle().isEmpty());
    ASSERT_EQ(g->rowCount(), 13);
    ASSERT_EQ(g->columnCount(), 4);
    QStringList titoli;
    for (int c = 0; c < 4; ++c)
        titoli.append(g->horizontalHeaderItem(c)->text());
    EXPECT_EQ(titoli, QStringList({"MESE", "ENTRATE", "USCITE", "SALDO"}));
    EXPECT_EQ(g->columnWidth(0), 100);
    EXPECT_EQ(g->columnWidth(3), 80);
    EXPECT_EQ(g->item(0, 0)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));

    EXPECT_EQ(riga(g, 0), QStringList({"Gennaio", "0,00", "0,00", "0,00"}));
    EXPECT_FALSE(colore(g, 0).isValid());
    EXPECT_EQ(riga(g, 2), QStringList({"Marzo", "100,00", "250,00", "-150,00"}));
    EXPECT_EQ(colore(g, 2), QColor(255, 0, 0));
    EXPECT_EQ(riga(g, 4), QStringList({"Maggio", "250,00", "100,00", "150,00"}));
    EXPECT_EQ(colore(g, 4), QColor(0, 0, 255));
    EXPECT_EQ(riga(g, 11)[0], "Dicembre");
    EXPECT_EQ(riga(g, 12), QStringList({"Anno", "350,00", "350,00", "0,00"}));
    EXPECT_FALSE(colore(g, 12).isValid());

    auto *annulla = f.findChild<QAbstractButton *>("annulla");
    ASSERT_TRUE(annulla);
    f.show();
    annulla->click();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Saldi, AllAccountsCountAndTheShownMonthAndSearchChangeNothing) {
    stato().contocorrente = 1;
    stato().mesecorrente = 3;
    stato().ricerca[0] = "nulla del genere";
    stato().contattoricercato = 4;
    Formsaldi f;
    auto *g = f.findChild<QTableWidget *>("griglia");
    EXPECT_EQ(f.findChild<QLabel *>("Label1")->text(), "SALDI TUTTI");
    EXPECT_EQ(riga(g, 2), QStringList({"Marzo", "140,00", "250,00", "-110,00"}));
    EXPECT_EQ(riga(g, 12), QStringList({"Anno", "390,00", "350,00", "40,00"}));
    EXPECT_EQ(colore(g, 12), QColor(0, 0, 255));
}

TEST_F(Saldi, OpensFromTheMainWindowWithTheAccountCaption) {
    scrivibyte(cartellalocale() + "/listconto", "BANCA" + QByteArray(45, ' '));
    Formprincipale principale;
    stato().annogestione = "08";
    stato().dittacorrente = 1;
    stato().contocorrente = 3;
    QString titolo, marzo;
    quandomodale([&](QWidget *w) {
        titolo = w->findChild<QLabel *>("Label1")->text();
        marzo = w->findChild<QTableWidget *>("griglia")->item(2, 1)->text();
        w->findChild<QAbstractButton *>("annulla")->click();
    });
    principale.vedisaldi();
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(titolo, "SALDI BANCA");
    EXPECT_EQ(marzo, "40,00");
}

TEST_F(Saldi, AnUnreadableMonthIsReportedAndNoFigureShown) {
    ASSERT_TRUE(QDir().mkdir(cartellalocale() + "/mov0708"));
    QString messaggio;
    accettamessaggio(&messaggio);
    Formsaldi f;
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(messaggio.contains("mov0708")) << messaggio.toStdString();
    auto *g = f.findChild<QTableWidget *>("griglia");
    EXPECT_EQ(riga(g, 2), QStringList({"Marzo", "", "", ""}));
}
