#include "windows/scadenze/graficoprevisione.h"

#include "ledger/scadenzario.h"
#include "platform/soldi.h"

#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

QChartView *graficoprevisione(QWidget *padre)
{
    auto *grafico = new QChart;
    grafico->setMargins(QMargins(2, 2, 2, 2));
    grafico->legend()->hide();
    auto *giorni = new QDateTimeAxis;
    giorni->setFormat(QStringLiteral("dd/MM"));
    auto *importi = new QValueAxis;
    importi->setLabelFormat(QStringLiteral("%.0f"));
    grafico->addAxis(giorni, Qt::AlignBottom);
    grafico->addAxis(importi, Qt::AlignLeft);
    for (const QColor &colore : {padre->palette().color(QPalette::Text), QColor(255, 0, 0)}) {
        auto *linea = new QLineSeries; // the balance, then the zero line
        linea->setPen(QPen(colore, colore == Qt::red ? 1 : 2));
        grafico->addSeries(linea);
        linea->attachAxis(giorni);
        linea->attachAxis(importi);
    }
    auto *vista = new QChartView(grafico, padre);
    vista->setObjectName(QStringLiteral("grafico"));
    vista->setRenderHint(QPainter::Antialiasing);
    return vista;
}

void mostraprevisione(QChartView *grafico, const Previsione &p)
{
    const QList<QAbstractSeries *> serie = grafico->chart()->series();
    auto *saldo = static_cast<QLineSeries *>(serie[0]);
    auto *zero = static_cast<QLineSeries *>(serie[1]);
    QList<QPointF> punti;
    double minimo = 0, massimo = 0;
    for (const auto &[giorno, importo] : p.giorni) {
        const double e = double(importo) / diecimillesimi;
        punti.append({double(giorno.startOfDay().toMSecsSinceEpoch()), e});
        minimo = std::min(minimo, e), massimo = std::max(massimo, e);
    }
    saldo->replace(punti);
    if (punti.isEmpty())
        return zero->clear();
    zero->replace({{punti.first().x(), 0}, {punti.last().x(), 0}});
    const QList<QAbstractAxis *> assi = grafico->chart()->axes();
    assi[0]->setRange(QDateTime::fromMSecsSinceEpoch(qint64(punti.first().x())),
                      QDateTime::fromMSecsSinceEpoch(qint64(punti.last().x())));
    auto *importi = static_cast<QValueAxis *>(assi[1]);
    importi->setRange(minimo, massimo > minimo ? massimo : minimo + 1);
    importi->applyNiceNumbers();
}
