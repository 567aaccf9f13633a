#pragma once

#include "ledger/fatture.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QTableWidget;

// The electronic invoices of the files chosen, one row per item they make for the payments due
// of the current company, with what stands in the way of each; registra writes the checked
// rows as items and the parties missing from the address book as contacts.
class Formfatture : public QDialog
{
    Q_OBJECT
  public:
    explicit Formfatture(const QStringList &file = {}, QWidget *parent = nullptr);

  public slots:
    void registra();
    // Asks the company's own VAT number or codice fiscale, then sorts the rows again.
    void chiediditta();

  private:
    struct Riga {
        QString fattura, stato, motivo, chiave;
        Voce voce;
        Soggetto altro;
        bool importabile = false;
    };
    void costruisci();
    void leggi(const QStringList &file);
    void classifica();
    void aggiungi(const QString &nome, const Fattura &f, const QSet<QString> &lette);
    void riempi();

    QList<FileFattura> letti;
    QList<Riga> righe;
    QString codiceditta;
    QTableWidget *griglia = nullptr;
    QLabel *riepilogo = nullptr;
};
