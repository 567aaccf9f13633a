#pragma once

#include "store/esito.h"

#include <QByteArray>

// Replaces a whole small file through a temporary file renamed over it, so a crash, a full
// disk or a vanished folder leaves either the old file whole or the new one, never half.
Esito salvafile(const QString &nativo, const QByteArray &dati);
