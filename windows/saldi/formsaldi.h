#pragma once

#include "ledger/saldi.h"

#include <QDialog>

class QAbstractButton;
class QChartView;
class QLabel;
class QTableWidget;

// The balances window: income, expense and their difference for each month of the year and for
// the whole year, of the current company and account, in a grid and beside it as a chart.
// Filled once when it is made; the grid can be written into a spreadsheet file, and the year's
// balance carried into the next year.
class Formsaldi : public QDialog
{
    Q_OBJECT
  public:
    explicit Formsaldi(QWidget *parent = nullptr);

  public slots:
    // Writes the grid into a spreadsheet file the user chooses.
    void esportacsv();
    // Carries the year's final balance of the account shown (of each account, on "TUTTI") into
    // 1 January of the next year, after a question listing them.
    void riporta();
    // Opens the bank reconciliation of the account shown.
    void riconcilia();

  private:
    void costruisci();
    void preparagriglia();
    void riempi(const SaldiAnno &saldi);

    QLabel *Label1 = nullptr;
    QTableWidget *griglia = nullptr;
    QAbstractButton *annulla = nullptr;
    QAbstractButton *esporta = nullptr;
    QChartView *grafico = nullptr;
    SaldiAnno saldi;
};
