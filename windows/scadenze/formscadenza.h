#pragma once

#include "store/scadenze.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QSpinBox;

// A payment due typed or changed: its date, descriptions (the first maybe a contact picked from
// the address book, which locks it to the contact's name), amount, sign, account and, for a new
// item, its repetition. The window only checks the input, as the entry window does; the caller
// writes what scadenza() returns once it is accepted.
class Formscadenza : public QDialog
{
    Q_OBJECT
  public:
    // nuova: the repetition can be chosen; an occurrence changed keeps its series'.
    Formscadenza(const Scadenza &s, bool nuova, QWidget *parent = nullptr);

    Scadenza scadenza() const { return risultato; }

  public slots:
    // Checks the input and closes; on a refusal the window stays open.
    void registra();
    // Opens the address book to pick the contact of the first description.
    void cerca();

  private:
    void costruisci();
    void costruisciripetizione();
    QString controlla(Scadenza &s) const;

    Scadenza risultato;
    QDateEdit *data = nullptr;
    QLineEdit *descrizione1 = nullptr;
    QLineEdit *descrizione2 = nullptr;
    QLineEdit *testimporto = nullptr;
    QListWidget *segno = nullptr;
    QComboBox *conto = nullptr;
    QComboBox *ripetizione = nullptr;
    QSpinBox *volte = nullptr;
    QCheckBox *stima = nullptr;
};
