#pragma once

#include "store/esito.h"

#include <QDialog>
#include <QStringList>

class QListWidget;

// The company window: the list of companies in company-number order, where companies are
// added, renamed and chosen. Selecting an entry makes it the current company; the window
// closes only once a company is chosen.
class Formditta : public QDialog
{
    Q_OBJECT
  public:
    explicit Formditta(QWidget *parent = nullptr);

    // Fills the list from the company list file and selects the current company.
    void caricadati();
    // Writes the list to the file, then reloads it. False (after telling the user) when the
    // file could not be written; the file then keeps what it held.
    bool salvadati();

  public slots:
    void aggiungi();
    void modifica();
    void annulla();
    // Esc and the window's own close button obey the same rule as annulla.
    void reject() override;

  private:
    void selezionaditta();
    // True when the name can be stored; otherwise the user is told why.
    bool nomeaccettato(const QString &nome);
    // True when the list was read; otherwise the user is told, since rewriting a list that
    // was not read would drop the companies in it.
    bool listaletta();

    QListWidget *Lista = nullptr;
    qint16 numeroditte = 0;
    QStringList nomiditte; // company k is nomiditte[k - 1]
    Esito lettura;
};
