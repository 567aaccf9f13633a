#pragma once

#include <QDialog>

class QLineEdit;

// The search window: sets the search texts or the contact whose movements the ledger shows,
// and closes. It searches nothing itself; the main window reloads the ledger afterwards.
class Forcerca : public QDialog
{
    Q_OBJECT
  public:
    explicit Forcerca(QWidget *parent = nullptr);

  public slots:
    // Search by the two descriptions.
    void cercadescrizione();
    // Search by a contact picked in the address book, narrowed by the texts typed.
    void cercarubrica();
    void annulla();

  private:
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
};
