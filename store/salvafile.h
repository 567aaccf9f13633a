#pragma once

#include "store/esito.h"

#include <QByteArray>

// Replaces a whole small file through a temporary file renamed over it, so a crash, a full
// disk or a vanished folder leaves either the old file whole or the new one, never half.
// QSaveFile creates its temporary file under a fresh name (never over a file that exists) and
// removes it when the save fails. Nothing else beside the target is touched: a file left by a
// killed save cannot be told from a file of the user's, so it stays.
Esito salvafile(const QString &nativo, const QByteArray &dati);

class QSaveFile;
// Opens a QSaveFile for writing without a buffer, so that a failing write (a full disk) is seen
// at the write itself.
bool apriperscrivere(QSaveFile &file);
// Renames the written file over the target, unless any write failed. QSaveFile::commit() alone
// reports success after its last buffered write failed and puts a short file in place.
Esito confermasalvataggio(QSaveFile &file);
