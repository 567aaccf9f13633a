#pragma once

#include <QStringList>

struct Stato;

// Start-up steps 2 to 9: local data folder, year, data root, first company, accounts. A step
// that fails is skipped silently. Returns the names of the account list, trimmed, in order.
QStringList avvia(Stato &s);
