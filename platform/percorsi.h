#pragma once

#include <QString>

// The program forms paths by plain concatenation in the Windows way ("c:\quaderoladati\mov0308",
// "Z:\\quaderoladati"). This turns such a path into one the file system takes: backslashes
// become the native separator, doubled separators are folded into one (a leading pair, a
// network share, stays on Windows), and the local disk "c:" becomes discolocale().
QString percorsonativo(const QString &percorso);

// The folder the local disk "c:" stands for: the home directory on Linux and macOS, C:\ on
// Windows.
QString discolocale();

// The user's own folder, where an exported file is proposed by default.
QString cartellautente();

// On Windows the tests name a temporary folder in this variable, and both folders above are that
// folder: HOME does the same on Linux, but Qt finds the Windows profile without any variable.
inline constexpr char variabilecasaprova[] = "QUADEROLA_CASA";
