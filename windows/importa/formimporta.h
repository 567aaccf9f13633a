#pragma once

#include "ledger/doppioni.h"
#include "ledger/importazione.h"
#include "ledger/registrazione.h"
#include "ledger/scadenzario.h"
#include "store/banche.h"
#include "store/estratto.h"
#include "store/movimento.h"
#include "store/quadrature.h"

#include <QDialog>
#include <QHash>
#include <QSet>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;
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
    // Appends the checked rows as new movements of the chosen account; closes once no other
    // bank account of the file is left to import.
    void registra();

  public:
    // The movement deleted last on the main window, which a restore may still bring back: its
    // month file, record number and bytes before the deletion.
    void cancellato(const QString &file, qint32 numero, const QByteArray &record);

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
    QHash<QString, Banca> banche;   // the book account kept for each bank account
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

    // The descriptions the user writes in the grid and the rules that remember them
    // (windows/importa/descrizioni.cpp).
    void costruiscidescrizioni();
    // The rows' movements from the bank's texts, the rules and the address book; the
    // descriptions the user wrote stay.
    void descrivirighe(bool nuove);
    // Makes the description cells of row i editable, its tooltip the bank's whole text.
    void mostraprovenienza(int i);
    void descrizionecambiata(QTableWidgetItem *cella);
    // Keeps a rule for each imported row whose descriptions the user wrote.
    Esito ricordadescrizioni(const QList<Abbinamento> &registrati);
    void mostraregole();
    // Keeps the amounts in the window when a description column is widened.
    void larghezzacambiata(int colonna, int prima, int dopo);

    Regole regoleditta;
    QList<Provenienza> provenienze;   // of each row
    QList<Movimento> proposti;        // each row as the bank's texts and the rules give it
    QList<QPair<bool, bool>> scritte; // the descriptions the user wrote, of each row
    QCheckBox *ricorda = nullptr;

    // Confirmations, the movement a row may be and the restorable deletion (forse.cpp).
    QSet<Conferma> confermeconto() const;
    void nonnuovi(const QSet<Conferma> &confermate);
    QString forse(const Abbinamento &a) const;
    struct {
        QString file;
        qint32 numero = 0;
        QByteArray record;
    } ultimocancellato;

    // The bank accounts of the file already imported; seguente adds the one shown and shows the
    // next one still to be, else closes (contibanca.cpp). leggianno reads the year again once rows
    // were written.
    QSet<int> importati;
    void seguente();
    Esito leggianno();

  public:
    // What the imports of this window booked, for the main window: one sentence per account
    // and year ("Importati 11 movimenti nel conto Banca (2026)."), and any carried balance
    // rewritten; the account and date of the last movement written (0 and invalid: none).
    struct Esitoimport {
        QStringList frasi;
        qint16 conto = 0;
        QDate ultima;
    };
    const Esitoimport &esitoimport() const { return importato; }

  private:
    // Counts the rows written by year and brings the carries of those years up to date
    // (esitoimporta.cpp).
    void annota(const Registrati &r, const QList<qsizetype> &scelte, QStringList &avvisi);
    Esitoimport importato;

    // The bank's opening balance as the account's first movement (apertura.cpp).
    void costruisciapertura();
    void aggiornaapertura();
    std::optional<DaScrivere> apertura() const;
    QCheckBox *saldoapertura = nullptr;

    QTableWidget *escluse = nullptr;

    // The open payments due the new rows settle (saldascadenze.cpp): read once, paired with
    // the rows for the account chosen, each paired row's movement given its item's
    // descriptions, the items settled by the movements written.
    void leggiscadenzeaperte();
    void abbinascadenzerighe();
    Movimento daimportare(qsizetype i) const;
    void saldascadenze(const QList<Abbinamento> &registrati, QStringList &avvisi);
    QList<Occorrenza> aperte;
    QList<qsizetype> scadenzerighe; // of each row, the index in aperte; -1 none
    QHash<qint32, QString> codici;  // the payment code of an item imported from an invoice
};
