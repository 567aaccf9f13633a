#pragma once

class QChartView;
class QWidget;
struct Previsione;

// The balance ahead as a line, day by day, red below the zero line where the money runs short.
QChartView *graficoprevisione(QWidget *padre);
// Draws p in the chart, in place of what it showed.
void mostraprevisione(QChartView *grafico, const Previsione &p);
