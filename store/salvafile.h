#pragma once

#include "store/esito.h"

#include <QByteArray>

// Replaces a whole small file through a temporary file renamed over it, so a crash, a full
// disk or a vanished folder leaves either the old file whole or the new one, never half.
Esito salvafile(const QString &nativo, const QByteArray &dati);

class QSaveFile;
// Opens a QSaveFile for writing without a buffer, so that a failing write (a full disk) is seen
// at the write itself.
bool apriperscrivere(QSaveFile &file);
// Renames the written file over the target, unless any write failed. QSaveFile::commit() alone
// reports success after its last buffered write failed and puts a short file in place.
Esito confermasalvataggio(QSaveFile &file);
