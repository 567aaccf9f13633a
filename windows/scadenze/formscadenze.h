#pragma once

#include "ledger/scadenzario.h"

#include <QDialog>

class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;

// The payments due of the current company: one row per occurrence, by date, in the period and
// of the kind chosen, with the totals still open, and the balance of an account projected over
// the next 90 days by the open items, in figures and as a chart, so the user sees the day the
// money runs short.
class Formscadenze : public QDialog
{
    Q_OBJECT
  public:
    explicit Formscadenze(QWidget *parent = nullptr);

    // The periods of `periodo`, in its order.
    enum Periodo { scadute, prossimi30, prossimi90, aperte, anno };
    void mostraperiodo(Periodo p);

  public slots:
    void nuova();
    void modifica();
    // Asks, then cancels the current row's item (of a series: that occurrence alone, or it and
    // the following).
    void cancella();
    // Books a movement for each checked open row through the entry window, each settling its
    // item in the same decision; an item settled meanwhile elsewhere is not booked again.
    void registra();
    // Writes the list shown as a spreadsheet file the user names.
    void esporta();
    // The print window on the list shown, its totals and the lowest balance ahead.
    void stampa();
    // Reads the electronic invoices the user picks and imports their items.
    void fatture();

  private:
    void costruisci();
    void costruiscitotali();
    // Reads the file again and shows it.
    void carica();
    void riempi();
    void prevedi();
    bool mostrata(const Occorrenza &o) const;
    const Occorrenza *corrente() const;
    // False when the user gave the entry window up.
    bool salda(const Occorrenza &o);

    QList<Occorrenza> tutte;
    QList<Occorrenza> mostrate; // the rows of elenco
    QTableWidget *elenco = nullptr;
    QComboBox *periodo = nullptr;
    QComboBox *tipo = nullptr;
    QComboBox *contoprevisione = nullptr;
    QLabel *totaleincassare = nullptr;
    QLabel *totalepagare = nullptr;
    QLabel *saldoprevisto = nullptr;
    QLabel *datasaldoprevisto = nullptr;
    QChartView *grafico = nullptr;
};
