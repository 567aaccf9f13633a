#pragma once

#include "store/esito.h"

#include <QDialog>
#include <array>
#include <functional>

class QCalendarWidget;
class QCompleter;
class QLineEdit;
class QListWidget;
class QToolButton;
struct Movimento;

// The movement entry window: a new movement (movimentocorrente.numero 0) is appended to the
// month file of its date, a modified one is rewritten in place under its record number. The
// first description can be picked from the address book, which locks it to the contact's name.
// While typing, both descriptions offer those the company used in the year.
class Formregistra : public QDialog
{
    Q_OBJECT
  public:
    explicit Formregistra(QWidget *parent = nullptr);

    // A new movement proposed from elsewhere (a payment due): its descriptions, contact, sign,
    // account and, unless importo is false, its amount, on today's date.
    void proponi(const Movimento &m, bool importo);
    // Writes the new movement through scrivi (its month file, month and record) in place of
    // the plain append, so the caller decides under its own lock what else goes with it.
    using Scrittura = std::function<Esito(const QString &file, int mese, const Movimento &m)>;
    void scrivicon(Scrittura s) { scrittura = std::move(s); }

  public slots:
    // Opens the address book to pick the contact of the first description.
    void cerca();
    // Checks the input, writes the record and closes; on a refusal the window stays open.
    void registra();
    // Closes without writing.
    void annulla();

  protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

  private:
    void costruisci();
    void costruiscidescrizione();
    void costruisciimporto();
    void carica();
    void offridescrizioni();
    // The first failing check's message, or the empty text when the input can be saved.
    QString controlla(qint64 &importo) const;
    Movimento movimento(qint64 importo) const;
    void bloccadescrizione(bool bloccata);

    QCalendarWidget *cale = nullptr;
    std::array<QLineEdit *, 2> Text1{};
    std::array<QCompleter *, 2> suggerimenti{}; // the descriptions of the year, per box
    QToolButton *pulsantecerca = nullptr;
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QLineEdit *testimporto = nullptr;
    Scrittura scrittura; // empty: the plain append
};
