#pragma once

#include <QStringList>

// Account captions as the main window's toolbar shows them, for the windows that list or name
// accounts. Without a main window (a window tested alone) they come from the built-in names and
// the account list, which is what the toolbar would show.

// Caption of account button indice: 1 "TUTTI", 2 "CASSA", 3.. the account list.
QString nomeconto(int indice);
// Captions from "CASSA" to the last account: the accounts a movement can be booked to.
QStringList nomiconti();
