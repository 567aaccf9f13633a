#pragma once

// What the tests of the import window share: the grids as the user reads them, and the work
// under way the window is opened in.
#include <QString>
#include <QStringList>
#include <string>

class QWidget;

// The rows of the named grid: for the 7 columns of griglia a check mark first ("x", "-"
// unchecked, " " not checkable), then each cell's text, joined by '|'.
QStringList righetabella(const QWidget &f, const char *nome = "griglia");
// The check mark and Stato of every row of griglia: "xnuovo,-già presente, altro anno".
std::string stati(const QWidget &f);
// Company 1, the account and the year (YY) the window is opened in.
void apri(qint16 conto, const QString &anno = "26");
