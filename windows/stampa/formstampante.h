#pragma once

#include <QDialog>

class QListWidget;
class QAbstractButton;
struct Lavoro;

// The print window: printer, quality and copies, and the button that prints the month table
// as the main window last loaded it. It stays open after a job.
class Formstampante : public QDialog
{
    Q_OBJECT
  public:
    explicit Formstampante(QWidget *parent = nullptr);

    // The entry after the installed printers that writes the report into a PDF file.
    static QString vocepdf() { return QStringLiteral("File PDF"); }
    // The entry below it that writes the ledger into a spreadsheet file instead.
    static QString vocecsv() { return QStringLiteral("File CSV"); }

  public slots:
    void stampa();
    // Shows the pages of the report as the chosen printer would print them.
    void anteprima();

  private:
    void costruisci();
    void caricaliste();
    Lavoro lavoro() const;
    void stampapdf();
    void esportacsv();
    void interrotta(const QString &motivo);

    QListWidget *Lista = nullptr;
    QListWidget *Listaqualita = nullptr;
    QListWidget *Listcopie = nullptr;
    QAbstractButton *Command1 = nullptr;
    QAbstractButton *annulla = nullptr;
    QAbstractButton *bottoneanteprima = nullptr;
};
