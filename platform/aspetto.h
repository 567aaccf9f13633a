#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <span>

class QLabel;
class QToolButton;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// Layouts are drawn in twips, 15 to a pixel at 96 dpi; Qt scales pixels on high-dpi screens.
constexpr int tw(int twips)
{
    return (twips + 7) / 15;
}
inline QRect area(int x, int y, int larghezza, int altezza)
{
    return QRect(tw(x), tw(y), tw(larghezza), tw(altezza));
}

// The light yellow of a box that has the focus.
inline const QColor giallochiaro(255, 255, 192);

// The colour of a balance on screen: red below zero, blue from zero up.
inline QColor coloresaldo(qint64 saldo)
{
    return saldo < 0 ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

// A font by family and size in points; Times and Arial fall back to the system's serif and
// sans-serif faces where they are not installed.
QFont carattere(const QString &famiglia, qreal punti, bool grassetto = false);
// Fills the widget's background with the colour.
void sfondo(QWidget *w, const QColor &colore);
// Sets one colour of the widget's palette.
void colora(QWidget *w, QPalette::ColorRole ruolo, const QColor &colore);
// The box turns light yellow while it has the focus and white when it loses it.
void colorasulfuoco(QWidget *w);

// A picture button of a secondary window, named nome, showing :/icons/<nome>.svg.
QToolButton *pulsanteimmagine(QWidget *padre, const char *nome, const QRect &r,
                              const QString &suggerimento);
// An amount under its title at x, y (twips), larghezza wide: the title on one line, the amount
// named nome below it, bold and to the right. Returns the amount's label.
QLabel *etichettaimporto(QWidget *padre, const char *nome, const QString &titolo, int x, int y,
                         int larghezza);
// Figures side by side never touch: a text that does not fit its room with a few pixels to
// spare is drawn smaller, half a point at a time, down to 6 points.
QFont adattato(const QFont &base, const QString &testo, int larghezza);
// A label's text within its contents, starting each time from the font the label had before
// its first fitting, so a shorter text grows back.
void adatta(QLabel *l);
// A balance in a label: "fixed", red below zero and blue from zero up, smaller when it is wide.
void mostrasaldo(QLabel *l, qint64 saldo);
// A grid cell's text within its column, starting from the grid's font.
void adatta(QTableWidgetItem *cella);
// A grid cell that is shown and selected, never edited. Left-aligned text is the view's own
// default: a grid of a year of rows saves storing it per cell.
QTableWidgetItem *cellafissa(const QString &testo, Qt::Alignment allineamento = Qt::AlignLeft);
// A grid whose rows are read, not edited: each column as wide as its twips, a click selects the
// whole row, no row numbers, no text wrapped.
void grigliafissa(QTableWidget *g, std::span<const int> larghezze);
