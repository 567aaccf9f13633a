#include "windows/saldi/graficoanno.h"

#include "ledger/periodo.h"
#include "ledger/saldi.h"
#include "platform/soldi.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

namespace {

double euro(qint64 importo)
{
    return double(importo) / diecimillesimi;
}

QBarSet *barre(const QString &nome, const QColor &colore)
{
    auto *b = new QBarSet(nome);
    b->setColor(colore);
    b->setBorderColor(colore);
    return b;
}

} // namespace

QChartView *graficoanno(QWidget *padre, const SaldiAnno *saldi)
{
    auto *grafico = new QChart;
    grafico->setMargins(QMargins(2, 2, 2, 2));
    grafico->legend()->setAlignment(Qt::AlignBottom);
    auto *mesi = new QBarCategoryAxis;
    for (int m = 1; m <= 12; ++m)
        mesi->append(nomemese(m).left(3));
    QFont piccolo = mesi->labelsFont();
    piccolo.setPointSizeF(7); // twelve names side by side, none cut short
    mesi->setLabelsFont(piccolo);
    auto *importi = new QValueAxis;
    importi->setLabelFormat(QStringLiteral("%.0f"));
    grafico->addAxis(mesi, Qt::AlignBottom);
    grafico->addAxis(importi, Qt::AlignLeft);

    auto *entrate = barre(QStringLiteral("Entrate"), QColor(0, 0, 255));
    auto *uscite = barre(QStringLiteral("Uscite"), QColor(255, 0, 0));
    auto *saldo = new QLineSeries;
    saldo->setName(QStringLiteral("Saldo"));
    saldo->setPen(QPen(padre->palette().color(QPalette::Text), 2));
    double minimo = 0, massimo = 0;
    for (int m = 1; saldi && m <= 12; ++m) {
        const double e = euro(saldi->entratemese[m]), u = euro(saldi->uscitemese[m]),
                     b = euro(saldi->saldo(m));
        entrate->append(e);
        uscite->append(u);
        saldo->append(m - 1, b);
        minimo = std::min({minimo, e, u, b});
        massimo = std::max({massimo, e, u, b});
    }
    auto *colonne = new QBarSeries;
    colonne->append({entrate, uscite});
    for (QAbstractSeries *serie :
         {static_cast<QAbstractSeries *>(colonne), static_cast<QAbstractSeries *>(saldo)}) {
        grafico->addSeries(serie);
        serie->attachAxis(mesi);
        serie->attachAxis(importi);
    }
    importi->setRange(minimo, massimo > minimo ? massimo : minimo + 1);
    importi->applyNiceNumbers();

    auto *vista = new QChartView(grafico, padre);
    vista->setObjectName(QStringLiteral("grafico"));
    vista->setRenderHint(QPainter::Antialiasing);
    return vista;
}
