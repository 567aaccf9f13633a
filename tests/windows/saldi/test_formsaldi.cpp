#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/filemese.h"
#include "support/aiuti.h"
#include "windows/saldi/formsaldi.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

void registra(int mese, qint16 segno, qint64 euro, qint16 conto = 2)
{
    const Movimento m{1, "", "", segno, euro * 10000, conto, 1, 0};
    ASSERT_TRUE(aggiungimovimento(percorsomese("c:", mese, "08"), m));
}

void archivio()
{
    nuovacasa();
    cartellalocale();
    registra(3, 0, 100);
    registra(3, 1, 250);
    registra(3, 0, 40, 3);
    registra(5, 0, 250);
    registra(5, 1, 100);
    Stato &s = stato();
    s.annogestione = "08";
    s.dittacorrente = 1;
    s.contocorrente = 2;
}

QTableWidget *griglia(QWidget *f)
{
    return f->findChild<QTableWidget *>("griglia");
}

// The texts of a row, then the colour given to its balance ("" when it keeps the grid's own).
QStringList riga(const QTableWidget *g, int r)
{
    QStringList testi;
    for (int c = 0; c < 4; ++c)
        testi.append(g->item(r, c) ? g->item(r, c)->text() : QString());
    const QVariant v = g->item(r, 3) ? g->item(r, 3)->data(Qt::ForegroundRole) : QVariant();
    testi.append(v.isValid() ? v.value<QBrush>().color().name() : QString());
    return testi;
}

} // namespace

TEST(Formsaldi, ShowsEveryMonthAndTheYearWithColouredBalancesForOneOrEveryAccount)
{
    archivio();
    stato().mesecorrente = 3; // neither the shown month nor a search changes anything
    stato().ricerca[0] = "nulla";
    Formsaldi f;
    auto *g = griglia(&f);
    EXPECT_EQ(f.findChild<QLabel *>("Label1")->text(), "SALDI CASSA");
    ASSERT_EQ(g->rowCount(), 13);
    EXPECT_EQ(riga(g, 0), QStringList({"Gennaio", "0,00", "0,00", "0,00", ""}));
    EXPECT_EQ(riga(g, 2), QStringList({"Marzo", "100,00", "250,00", "-150,00", "#ff0000"}));
    EXPECT_EQ(riga(g, 4), QStringList({"Maggio", "250,00", "100,00", "150,00", "#0000ff"}));
    EXPECT_EQ(riga(g, 12), QStringList({"Anno", "350,00", "350,00", "0,00", ""}));

    // Through the main window, on "TUTTI": every account counts.
    Formprincipale principale; // which sets its own company and year
    stato().annogestione = "08";
    stato().dittacorrente = 1;
    stato().contocorrente = 1;
    QString titolo;
    QStringList anno;
    quandomodale([&](QWidget *w) {
        titolo = w->findChild<QLabel *>("Label1")->text();
        anno = riga(griglia(w), 12);
        w->findChild<QAbstractButton *>("annulla")->click();
    });
    principale.vedisaldi();
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(titolo, "SALDI TUTTI");
    EXPECT_EQ(anno, QStringList({"Anno", "390,00", "350,00", "40,00", "#0000ff"}));
}

TEST(Formsaldi, AnUnreadableMonthIsReportedAndNoFigureShown)
{
    archivio();
    ASSERT_TRUE(QDir().mkdir(cartellalocale() + "/mov0708"));
    QString messaggio;
    accettamessaggio(&messaggio);
    Formsaldi f;
    EXPECT_TRUE(messaggio.contains("mov0708")) << messaggio.toStdString();
    EXPECT_EQ(riga(griglia(&f), 2), QStringList({"Marzo", "", "", "", ""}));
}
