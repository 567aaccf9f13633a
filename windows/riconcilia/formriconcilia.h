#pragma once

#include "ledger/quadratura.h"

#include <QDialog>

class QLabel;
class QTableWidget;
class QToolButton;

// The bank reconciliation of the account shown in the balances window: the last statement's
// balance beside the book's on its date, and the movements the bank has not confirmed, which
// the user ticks off by hand against the paper statement. Those left unticked should explain
// the difference.
class Formriconcilia : public QDialog
{
    Q_OBJECT
  public:
    explicit Formriconcilia(QWidget *parent = nullptr);

  public slots:
    // Keeps the ticked movements as confirmed and closes.
    void registra();

  private:
    void costruisci();
    void costruiscisaldi();
    void riempi();
    // spiegata and esito, with the rows now ticked.
    void aggiorna();
    QList<bool> spuntati() const;

    Quadratura q;
    QLabel *intestazione = nullptr;
    QLabel *databanca = nullptr;
    QLabel *saldobanca = nullptr;
    QLabel *saldolibro = nullptr;
    QLabel *differenza = nullptr;
    QLabel *spiegata = nullptr;
    QLabel *esito = nullptr;
    QLabel *senzasaldo = nullptr; // a later statement without a balance, when there is one
    QTableWidget *aperti = nullptr;
    QToolButton *pulsanteregistra = nullptr;
};
