#pragma once

#include <QString>

class QWidget;

// What a change or a cancellation of one occurrence of a series applies to.
enum class Portata { nessuna, solaquesta, successive };

// Asks whether it is for "solo questa" or "questa e le successive"; nessuna on Cancel.
Portata sceltaserie(QWidget *padre, const QString &domanda);
