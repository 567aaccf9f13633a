#pragma once

#include <QDialog>

class QAbstractButton;
class QLabel;
class QTableWidget;
struct SaldiAnno;

// The balances window: income, expense and their difference for each month of the year and for
// the whole year, of the current company and account. Filled once when it is made.
class Formsaldi : public QDialog
{
    Q_OBJECT
  public:
    explicit Formsaldi(QWidget *parent = nullptr);

  private:
    void costruisci();
    void preparagriglia();
    void riempi(const SaldiAnno &saldi);

    QLabel *Label1 = nullptr;
    QTableWidget *griglia = nullptr;
    QAbstractButton *annulla = nullptr;
};
