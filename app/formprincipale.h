#pragma once

#include "ledger/elabora.h"
#include "platform/sentinella.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <array>

class CellaRiga;
class PannelloStato;
class QAbstractButton;
class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolBar;
class Formbackup;
class Formpercorso;

// The main window: status bar, the nine picture buttons, the sixteen ledger rows with their
// totals and scroll bar, the period buttons and the account toolbar. Constructing it runs the
// start-up.
class Formprincipale : public QWidget
{
    Q_OBJECT
  public:
    static constexpr int righevisibili = 16;

    explicit Formprincipale(QWidget *parent = nullptr);
    ~Formprincipale() override;

    // The main window of the running program, or null when there is none. Other windows read
    // the account names from its toolbar through it.
    static Formprincipale *corrente();

    // Rebuilds the month table of the current period and shows it.
    void elabora();
    // Redraws the sixteen rows from the month table at the scroll bar's position.
    void aggiornavideo();
    // Rebuilds both status-bar texts from the shared state.
    void aggiornastato();
    // Adds an account button at the end of the toolbar; its index is the button count.
    QAction *aggiungibottoneconto(const QString &nome);
    // Caption of account button indice (1 TUTTI, 2 CASSA, 3..), empty when there is none.
    QString nomeconto(int indice) const;
    // Captions of the buttons from index 2 to the last: the accounts a movement can carry.
    QStringList nomiconti() const;

    int rigaselezionata = 0;  // screen position of the row last pressed; -1 none
    bool rigapremuta = false; // a row was pressed since the last load

  public slots:
    void aprimese(int periodo);
    void sceglieconto(int indice);
    void cambiaditta();
    void cambiaanno();
    void nuovo();
    void modificamovimento();
    void cancellamovimento();
    // Gives the movement deleted last in this run its record back, unless it changed since.
    void ripristinamovimento();
    void aggiungitipo();
    void rinominatipo();
    void cerca();
    void stampa();
    void vedisaldi();
    void backup();
    void impostazioni();
    void rubrica();
    void importa();
    // The payments due, opened on the period given (Formscadenze::Periodo).
    void scadenze();
    void apriscadenze(int periodo);

  protected:
    void closeEvent(QCloseEvent *evento) override;
    void wheelEvent(QWheelEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

  private:
    void costruiscistato();
    void costruiscipulsanti();
    void costruiscirighe();
    void costruiscitotali();
    void costruiscimesi();
    void costruiscitoolbar(const QStringList &conti);
    void costruiscimenu();
    void assegnascorciatoie();
    void premutariga(int posizione, Qt::MouseButton pulsante, QPoint globale);
    void aggiungicontialtrui(qint32 primo, qint32 ultimoscritto);
    void aggiungibottoni(const QStringList &nomi, qint32 primo, qint32 fine);
    // The table row the row commands act on; 0 (no movement) when none is selected.
    int rigascelta() const;
    void mostratabella(int valorescroll);

    // Keeping the screen current with what other workstations write to the shared archive.
    // sorvegliafile returns the month files of the load about to run as they are before it;
    // registroletto takes them as seen once it succeeded.
    Impronte sorvegliafile();
    void registroletto(Impronte prima);
    bool nomiseguiti();
    void controllacondiviso(const Impronte &ora);
    bool aggiornaconti();
    bool aggiornaditta();
    bool ricaricaregistro();

    PannelloStato *pannelloditta = nullptr;
    PannelloStato *pannelloanno = nullptr;
    std::array<CellaRiga *, righevisibili> ldata{}, descri1{}, descri2{}, entrate{}, uscite{},
        saldo{};
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *avvisorighe = nullptr;
    QLabel *esitoimport = nullptr; // what the last import booked
    QScrollBar *scroll = nullptr;
    std::array<QPushButton *, 13> mesi{};
    std::array<QLabel *, 13> frecciasx{};
    QToolBar *Toolbar1 = nullptr;
    QActionGroup *gruppoconti = nullptr;
    QMenu *opemov = nullptr;
    QMenu *opetipo = nullptr;
    QAction *ripristina = nullptr;
    // The movement deleted last: its month file, record number and bytes before the mark.
    struct {
        QString file;
        qint32 numero = 0;
        QByteArray record;
    } cancellato;
    // Payments due: the status-bar notice of those past due and due today, kept current when
    // the date changes.
    void costruisciavvisoscadenze();
    void aggiornaavvisoscadenze();
    // Lays out the payments-due and the import notices of the status bar side by side.
    void disponiavvisi();
    PannelloStato *avvisoscadenze = nullptr;
    QDate giornoavviso;
    QPointer<Formbackup> finestrabackup;
    QPointer<Formpercorso> finestrapercorso;
    int rotellaaccumulata = 0; // wheel turn not yet worth a whole notch
    Sentinella *sentinella = nullptr;
    QString percorsonomi;      // the data root the company and account names were read from
    bool nomiinvariati = true; // that root is still the current one
};
