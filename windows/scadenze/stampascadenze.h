#pragma once

#include <QList>
#include <QStringList>

class Stampante;
struct Lavoro;

// The list of payments due as the window shows it, in the texts of its cells.
struct Elencoscadenze {
    QList<QStringList> righe; // date, descriptions, to collect, to pay, account, state
    QStringList piede;        // the totals and the lowest balance ahead, a line each
};

// Prints the list as a ruled table in pages, the heading on each, the lines of the foot after
// the last row. On the first failure the document is ended where it stood and false comes back.
bool stampascadenze(Stampante &s, const Elencoscadenze &e, const Lavoro &l);
