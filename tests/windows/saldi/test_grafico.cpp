#include "app/stato.h"
#include "store/filemese.h"
#include "support/aiuti.h"
#include "windows/saldi/formsaldi.h"

#include <QAbstractButton>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QFileDialog>
#include <QLineSeries>
#include <QTableWidget>
#include <gtest/gtest.h>

TEST(Grafico, ShowsAndExportsTheFiguresOfTheGrid)
{
    const QString file = nuovacasa() + "/saldi.csv";
    cartellalocale();
    for (auto [m, s, x] :
         {std::tuple<int, qint16, qint64>{3, 0, 1234567}, {3, 1, 25000000}, {5, 0, 990000}})
        ASSERT_TRUE(aggiungimovimento(percorsomese("c:", m, "26"), {1, "", "", s, x, 2, 1, 0}));
    stato().annogestione = "26", stato().dittacorrente = 1, stato().contocorrente = 2;
    Formsaldi f;
    auto *g = f.findChild<QTableWidget *>("griglia");
    const QList<QAbstractSeries *> serie = f.findChild<QChartView *>("grafico")->chart()->series();
    auto *barre = qobject_cast<QBarSeries *>(serie.value(0));
    auto *saldo = qobject_cast<QLineSeries *>(serie.value(1));
    // Two sets of bars and a point per month, the last one below December's bars.
    ASSERT_TRUE(barre && barre->count() == 2 && saldo &&
                saldo->points().value(11) == QPointF(11, 0));
    EXPECT_EQ(barre->barSets()[0]->color(), g->item(4, 3)->foreground().color()); // blue
    EXPECT_EQ(barre->barSets()[1]->color(), g->item(2, 3)->foreground().color()); // red
    for (int m = 0; m < 12; ++m) {
        auto cella = [&](int c) { return QLocale().toDouble(g->item(m, c)->text()); };
        EXPECT_NEAR(barre->barSets()[0]->at(m), cella(1), 0.005) << m;
        EXPECT_NEAR(barre->barSets()[1]->at(m), cella(2), 0.005) << m;
        EXPECT_NEAR(saldo->at(m).y(), cella(3), 0.005) << m;
    }

    quandomodale([=](QWidget *w) {
        qobject_cast<QFileDialog *>(w)->selectFile(file);
        QMetaObject::invokeMethod(w, "accept");
    });
    f.findChild<QAbstractButton *>("esporta")->click();
    EXPECT_TRUE(leggibyte(file).startsWith("\xEF\xBB\xBFMese;Entrate;Uscite;Saldo\r\n"));
    EXPECT_EQ(leggibyte(file).split('\n').value(3), "Marzo;123,46;2500,00;-2376,54\r");
}
