#pragma once

#include <QString>
#include <functional>

// A seam for tests that play a failing disk: every file operation of the store asks here
// first, and a test can make the Nth one fail. With no handler set nothing ever fails here.
enum class Operazione { Apertura, Lettura, Scrittura, Flush, Ridimensiona, Conferma };

using Guasto = std::function<bool(Operazione operazione, const QString &file)>;

void impostaguasto(Guasto g);
// True when the operation on the file must fail.
bool guasto(Operazione operazione, const QString &file);
