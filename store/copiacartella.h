#pragma once

#include "store/esito.h"

#include <QStringList>

// Whole-folder work of the backup, one file at a time so the caller can show its progress
// between files. Paths are given as the program forms them (concatenated, maybe "c:\...") and
// turned into native paths here; a failure names the native path.

// The names of the regular files directly in cartella, in name order. Subfolders and their
// contents are not listed. A folder that is missing or cannot be read is a failure.
Esito elencafile(const QString &cartella, QStringList &nomi);

// Creates cartella (and any missing folder above it) when it does not exist.
Esito creacartella(const QString &cartella);

// Copies origine over destinazione. The bytes go to a temporary file beside destinazione that
// takes its name only once complete, so a failure at any point leaves destinazione as it was
// and no temporary file behind. A file copied onto itself is left alone.
Esito copiafile(const QString &origine, const QString &destinazione);

// Deletes a file. One that is already gone counts as deleted.
Esito cancellafile(const QString &file);
