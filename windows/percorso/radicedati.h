#pragma once

#include <QString>

// The data root of a folder chosen in the folder dialog: the path up to the first
// "quaderoladati" (any case), keeping the separator before it. Empty when the path does not
// name the data folder or a folder below it.
QString radicedati(const QString &cartella);
