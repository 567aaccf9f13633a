#pragma once

#include <QString>

// The program forms paths by plain concatenation in the Windows way ("c:\quaderoladati\mov0308",
// "Z:\\quaderoladati"). This turns such a path into one the file system takes: backslashes
// become the native separator, doubled separators are folded into one (a leading pair, a
// network share, stays on Windows), and the local disk "c:" is the user's home directory on
// Linux and macOS and C:\ on Windows.
QString percorsonativo(const QString &percorso);
