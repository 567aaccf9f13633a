#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

// The print service the printed report needs, in the terms the report is laid out in:
// centimetres from the top left corner of the printable area, a drawing position that texts and
// lines move, and one line of the current font per line end. Operations that talk to the
// printer return false when it refuses or fails; motivo() then tells why, in Italian.
class Stampante
{
  public:
    virtual ~Stampante() = default;

    // Installed printers by name, in the order the system lists them.
    virtual QStringList stampanti() const = 0;
    // The system's default printer until a job chooses another; then the last one chosen.
    virtual QString corrente() const = 0;
    // Starts a job on the named printer, which stays the current printer afterwards.
    virtual bool scegli(const QString &nome) = 0;
    // Makes the named printer the current one for a job that printed elsewhere (the preview's).
    virtual void ricorda(const QString &) {}

    // -4 high, -3 medium, -2 low, -1 draft.
    virtual bool qualita(int codice) = 0;
    virtual bool copie(int numero) = 0;
    virtual bool carattere(const QString &nome, double punti, bool grassetto) = 0;
    virtual bool grassetto(bool attivo) = 0;
    virtual bool centimetri() = 0;

    // The printable area, in centimetres.
    virtual double larghezza() const = 0;
    virtual double altezza() const = 0;

    virtual double x() const = 0;
    virtual double y() const = 0;
    virtual void posizione(double x, double y) = 0;
    void impostax(double nuova) { posizione(nuova, y()); }

    virtual double larghezzatesto(const QString &testo) const = 0;
    // Prints at the drawing position, its top at y, and moves x to its end; with acapo the
    // position then goes to the start of the next line.
    virtual bool scrivi(const QString &testo, bool acapo) = 0;
    // A straight black line; the drawing position moves to its end.
    virtual bool linea(double x1, double y1, double x2, double y2) = 0;
    // Drawing position back to (0, 0) on a fresh page.
    virtual bool nuovapagina() = 0;
    // Ends the document: the pages drawn go to the printer.
    virtual bool fine() = 0;

    virtual QString motivo() const = 0;
};

// The program's print service: the system's printers, or the one a test put in its place.
Stampante &stampante();
// Puts a service in place of the system's for the rest of the program; null restores it.
void usastampante(Stampante *sostituta);
// A service that writes the pages into a PDF file instead of a printer.
std::unique_ptr<Stampante> stampantepdf(const QString &file);
// Shows the pages disegna draws, exactly as they would print on the installed printer named
// nome (a PDF file when there is none of that name), in the print preview, from which the user
// can also print them; the printer printed on there becomes the current one. False, with the
// reason in motivo, when a drawing failed.
bool anteprima(QWidget *padre, const QString &nome, const std::function<bool(Stampante &)> &disegna,
               QString &motivo);
