#pragma once

#include "ledger/doppioni.h"
#include "store/estratto.h"
#include "store/movimento.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QTableWidget;
class QToolButton;

// The statement import window: the statement's movements beside what the ledger already holds
// for the chosen account, each marked new, already there, to be checked or of another year, and
// the bank's balances beside ours. The checked rows are appended to their month files.
class Formimporta : public QDialog
{
    Q_OBJECT
  public:
    explicit Formimporta(const Estratto &estratto, QWidget *parent = nullptr);

  public slots:
    // Appends the checked rows as new movements of the chosen account and closes.
    void registra();

  private:
    void costruisci();
    void costruiscisaldi();
    void riempi();
    // The account selected in Lista: 2 CASSA, 3.. the account list; 0 when none is. A current
    // row without a selection (Qt makes one when the list gets the focus) is no choice.
    qint16 conto() const;
    // States and check marks again, for the account now chosen.
    void aggiornastati();
    // saldoconto and differenza, with the rows now checked.
    void aggiornasaldi();
    QList<qsizetype> righescelte() const;

    Estratto estratto;
    QList<Movimento> movimenti; // one per statement row, the account still to be set
    QList<RigaControllo> controlli;
    AnnoDitta anno;
    QList<Abbinamento> abbinamenti; // of each row, for the account chosen

    QListWidget *Lista = nullptr;
    QTableWidget *griglia = nullptr;
    QLabel *saldoiniziale = nullptr;
    QLabel *saldofinale = nullptr;
    QLabel *saldoconto = nullptr;
    QLabel *differenza = nullptr;
    QLabel *avvisoquadra = nullptr;
    QToolButton *pulsanteregistra = nullptr;
};
