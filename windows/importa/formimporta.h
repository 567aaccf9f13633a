#pragma once

#include "ledger/doppioni.h"
#include "ledger/importazione.h"
#include "store/estratto.h"
#include "store/movimento.h"
#include "store/quadrature.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QToolButton;

// The statement import window: the statement's movements beside what the ledger already holds
// for the chosen account, each marked new, already there, to be checked or of another year, and
// the bank's balances beside ours. The checked rows are appended to their month files. A file of
// several bank accounts shows one at a time, chosen in contibanca.
class Formimporta : public QDialog
{
    Q_OBJECT
  public:
    explicit Formimporta(const Estratto &estratto, QWidget *parent = nullptr);
    // One Estratto per bank account of the file, as leggiestratto gives them.
    explicit Formimporta(const QList<Estratto> &conti, QWidget *parent = nullptr);

  public slots:
    // Appends the checked rows as new movements of the chosen account and closes.
    void registra();

  private:
    void costruisci();
    void costruiscisaldi();
    void riempi();
    // The grid's rows and the statement's balances, for the bank account shown.
    void riempirighe();
    // contibanca and intestazione (windows/importa/contibanca.cpp).
    void costruiscicontibanca();
    void riempicontibanca();
    // Shows bank account i: its rows, balances, heading and the book account kept for it.
    void mostracontobanca(int i);
    // Keeps the book account chosen for the bank account shown, once rows went into it.
    void ricordacontobanca();
    // The account selected in Lista: 2 CASSA, 3.. the account list; 0 when none is. A current
    // row without a selection (Qt makes one when the list gets the focus) is no choice.
    qint16 conto() const;
    // States and check marks again, for the account now chosen.
    void aggiornastati();
    // saldoconto and differenza, with the rows now checked.
    void aggiornasaldi();
    QList<qsizetype> righescelte() const;
    // The recorded movements the statement confirmed: those its checked rows now stand for
    // (registrati, one per row of the grid) and those its "già presente" rows paired.
    QList<Conferma> confermate(const QList<Abbinamento> &registrati) const;

    // escluse, the file's lines that are no movements, and avvisoquadra's words
    // (windows/importa/escluse.cpp).
    void costruisciescluse();
    void riempiescluse();

    QList<Estratto> conti;
    Estratto estratto;          // the bank account shown
    QList<Movimento> movimenti; // one per statement row, the account still to be set
    QList<RigaControllo> controlli;
    AnnoDitta anno;
    Nomicontatti nomi;
    QHash<QString, QString> banche; // the book account kept for each bank account
    QList<Abbinamento> abbinamenti; // of each row, for the account chosen

    QListWidget *Lista = nullptr;
    QComboBox *contibanca = nullptr;
    QLabel *intestazione = nullptr;
    QTableWidget *griglia = nullptr;
    QLabel *saldoiniziale = nullptr;
    QLabel *saldofinale = nullptr;
    QLabel *saldoconto = nullptr;
    QLabel *differenza = nullptr;
    QLabel *avvisoquadra = nullptr;
    QToolButton *pulsanteregistra = nullptr;
    QTableWidget *escluse = nullptr;
};
