#pragma once

#include "store/esito.h"

// The settings file "c:\quaderoladati\impoqx.txt": one line, the data root in double quotes.
// It always lies on the local disk, whatever the data root.

QString percorsoimpostazioni(); // "c:\quaderoladati\impoqx.txt"

// The data root held by the bytes of such a file; "c:" when there is none.
QString analizzapercorso(const QByteArray &dati);
// The data root written in the file; "c:" when the file is missing, empty or unreadable.
QString leggipercorso();
// Rewrites the file through a temporary file, so a failure leaves the old one whole.
Esito scrivipercorso(const QString &percorso);
