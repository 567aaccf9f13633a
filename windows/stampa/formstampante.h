#pragma once

#include <QDialog>
#include <functional>

class QListWidget;
class QAbstractButton;
class Stampante;
struct Lavoro;

// A list the print window prints instead of the ledger: the title of its pages, how they are
// drawn, and what its "File CSV" entry does.
struct Documento {
    QString titolo;
    std::function<bool(Stampante &, const Lavoro &)> pagine;
    std::function<void()> foglio;
};

// The print window: printer, quality and copies, and the button that prints the month table
// as the main window last loaded it. It stays open after a job.
class Formstampante : public QDialog
{
    Q_OBJECT
  public:
    explicit Formstampante(QWidget *parent = nullptr);
    explicit Formstampante(Documento documento, QWidget *parent = nullptr);

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
    // The pages of the job as the window stands: the ledger's, or the document's.
    std::function<bool(Stampante &)> disegno() const;
    void stampapdf();
    void esportacsv();
    void interrotta(const QString &motivo);

    Documento documento; // no pages: the ledger
    QListWidget *Lista = nullptr;
    QListWidget *Listaqualita = nullptr;
    QListWidget *Listcopie = nullptr;
    QAbstractButton *Command1 = nullptr;
    QAbstractButton *annulla = nullptr;
    QAbstractButton *bottoneanteprima = nullptr;
};
