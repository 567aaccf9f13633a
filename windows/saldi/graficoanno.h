#pragma once

class QChartView;
class QWidget;
struct SaldiAnno;

// The year as a chart: income and expense of each month as a pair of bars, the month's balance
// as a line, in the colours of the balances grid (income blue, expense red, balance in the
// grid's text colour). Without sums (they could not be read) the chart is empty.
QChartView *graficoanno(QWidget *padre, const SaldiAnno *saldi);
