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
    for (auto [mese, segno, importo] :
         {std::tuple{3, 0, 1234567}, {3, 1, 25000000}, {5, 0, 990000}, {12, 1, 1}})
        ASSERT_TRUE(aggiungimovimento(percorsomese("c:", mese, "26"),
                                      {1, "", "", qint16(segno), importo, 2, 1, 0}));
    stato() = Stato();
    stato().annogestione = "26";
    stato().dittacorrente = 1;
    Formsaldi f;
    auto *g = f.findChild<QTableWidget *>("griglia");
    const QList<QAbstractSeries *> serie = f.findChild<QChartView *>("grafico")->chart()->series();
    auto *barre = qobject_cast<QBarSeries *>(serie.value(0));
    auto *saldo = qobject_cast<QLineSeries *>(serie.value(1));
    ASSERT_TRUE(barre && saldo && barre->count() == 2 && saldo->count() == 12);
    EXPECT_EQ(barre->barSets()[0]->color(), g->item(4, 3)->foreground().color()); // blue
    EXPECT_EQ(barre->barSets()[1]->color(), g->item(2, 3)->foreground().color()); // red
    for (int m = 0; m < 12; ++m) {
        const auto cella = [&](int c) { return QLocale().toDouble(g->item(m, c)->text()); };
        EXPECT_NEAR(barre->barSets()[0]->at(m), cella(1), 0.005) << m;
        EXPECT_NEAR(barre->barSets()[1]->at(m), cella(2), 0.005) << m;
        EXPECT_NEAR(saldo->at(m).y(), cella(3), 0.005) << m;
        EXPECT_EQ(saldo->at(m).x(), m);
    }

    quandomodale([=](QWidget *w) {
        qobject_cast<QFileDialog *>(w)->selectFile(file);
        QMetaObject::invokeMethod(w, "accept");
    });
    f.findChild<QAbstractButton *>("esporta")->click();
    const QList<QByteArray> righe = leggibyte(file).split('\n');
    ASSERT_EQ(righe.size(), 15);
    EXPECT_EQ(righe[0], "\xEF\xBB\xBFMese;Entrate;Uscite;Saldo\r");
    for (int r = 0; r < 13; ++r) {
        QStringList celle;
        for (int c = 0; c < 4; ++c)
            celle << g->item(r, c)->text();
        EXPECT_EQ(righe[r + 1], celle.join(';').toUtf8() + "\r");
    }
}
