#pragma once

// What the tests of the import window share: the grids as the user reads them, and the work
// under way the window is opened in.
#include "store/estratto.h"

#include <QString>
#include <QStringList>
#include <string>

class QWidget;

// A row of a statement of 2026 (or of year a): its day, month, amount and texts.
RigaEstratto riga(int g, int m, qint64 importo, const QString &d1 = "Banca", int a = 2026,
                  const QString &d2 = "");
// A statement of these rows, with its balances, their date and the bank account as given.
Estratto estratto(const QList<RigaEstratto> &righe, std::optional<qint64> inizio = {},
                  std::optional<qint64> fine = {}, const QDate &data = {},
                  const QString &conto = {});
// The rows of the named grid: for the 7 columns of griglia a check mark first ("x", "-"
// unchecked, " " not checkable), then each cell's text, joined by '|'.
QStringList righetabella(const QWidget &f, const char *nome = "griglia");
// The check mark and Stato of every row of griglia: "xnuovo,-già presente, altro anno".
std::string stati(const QWidget &f);
// Company 1, the account and the year (YY) the window is opened in.
void apri(qint16 conto, const QString &anno = "26");
