#include "app/formprincipale.h"
#include "store/filemese.h"
#include "support/finestre.h"
#include "windows/saldi/formsaldi.h"

#include <QTableWidget>

namespace {

// The texts of a row of the grid, then the colour given to its balance ("" when it keeps the
// grid's own).
QString riga(QWidget *f, int r)
{
    const auto *g = f->findChild<QTableWidget *>("griglia");
    QStringList testi;
    for (int c = 0; c < 4; ++c)
        testi.append(g->item(r, c) ? g->item(r, c)->text() : QString());
    const QVariant v = g->item(r, 3) ? g->item(r, 3)->data(Qt::ForegroundRole) : QVariant();
    testi.append(v.isValid() ? v.value<QBrush>().color().name() : QString());
    return testi.join('|');
}

} // namespace

TEST(Formsaldi, EveryMonthAndTheYearWithColouredBalancesForOneOrEveryAccount)
{
    nuovoarchivio();
    for (auto [mese, segno, euro, conto] :
         {std::tuple{3, 0, 100, 2}, {3, 1, 250, 2}, {3, 0, 40, 3}, {5, 0, 250, 2}, {5, 1, 100, 2}})
        ASSERT_TRUE(
            aggiungimovimento(percorsomese("c:", mese, "08"),
                              {1, "", "", qint16(segno), euro * 10000, qint16(conto), 1, 0}));
    Stato &s = stato();
    s.annogestione = "08";
    s.dittacorrente = 1;
    s.mesecorrente = 3; // neither the shown month nor a search changes anything
    s.ricerca[0] = "nulla";
    {
        Formsaldi f;
        EXPECT_EQ(testo(&f, "Label1"), "SALDI CASSA");
        EXPECT_EQ(riga(&f, 0), "Gennaio|0,00|0,00|0,00|");
        EXPECT_EQ(riga(&f, 2), "Marzo|100,00|250,00|-150,00|#ff0000");
        EXPECT_EQ(riga(&f, 4), "Maggio|250,00|100,00|150,00|#0000ff");
        EXPECT_EQ(riga(&f, 12), "Anno|350,00|350,00|0,00|");
    }
    // Through the main window, on "TUTTI": every account counts.
    Formprincipale principale; // which sets its own company and year
    s.annogestione = "08";
    s.dittacorrente = 1;
    s.contocorrente = 1;
    QString visto;
    quandomodale([&](QWidget *w) {
        visto = testo(w, "Label1") + "|" + riga(w, 12);
        clicca(w, "annulla");
    });
    principale.vedisaldi();
    EXPECT_EQ(visto, "SALDI TUTTI|Anno|390,00|350,00|40,00|#0000ff");

    // An unreadable month is reported and no figure shown.
    QFile::remove(cartellalocale() + "/mov0708");
    ASSERT_TRUE(QDir().mkdir(cartellalocale() + "/mov0708"));
    QString m;
    accettamessaggio(&m);
    Formsaldi f;
    EXPECT_TRUE(m.contains("mov0708")) << m.toStdString();
    EXPECT_EQ(riga(&f, 2), "Marzo||||");
}
