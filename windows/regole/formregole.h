#pragma once

#include "store/regole.h"

#include <QDialog>
#include <QList>

class QTableWidget;

// The rules the imports learned for the current company: the counterparty as the bank's text
// names it, the descriptions and the contact its movements get. cancella drops the selected ones.
class Formregole : public QDialog
{
    Q_OBJECT
  public:
    explicit Formregole(QWidget *parent = nullptr);

  public slots:
    void cancella();

  private:
    void riempi();

    QList<Regola> regole;
    QTableWidget *elenco = nullptr;
};
