#pragma once

#include "store/esito.h"

#include <QHash>
#include <QString>

// The book account each bank account's statements were last imported into:
// percorso & "\quaderoladati\banche.txt", Windows-1252 with CR LF. Each bank account has a line
// "IBAN-or-number;account name", which is all older versions read and write, and a line
// "=IBAN-or-number;account number;account name" that follows the account through a rename (an
// older version keeps it as a line of its own). Only a help to the user: a missing or damaged
// file just remembers nothing.

QString percorsobanche(const QString &percorso);

struct Banca {
    QString nome;      // the account's name when it was kept
    qint16 numero = 0; // 2 CASSA, 3.. the account list; 0 when known by name alone
};

// The book account kept for each bank account; nothing for a file missing, unreadable or
// damaged, and a damaged line is passed over. The number counts only while the name beside it
// is the one the older line holds: an older version that chose another account rewrote only that.
QHash<QString, Banca> leggibanche(const QString &percorso);
// Remembers the account for the bank account conto, rewriting the whole file atomically; a file
// there that could not be read whole is left as it is and the call fails.
Esito ricordabanca(const QString &percorso, const QString &conto, const QString &nomeconto,
                   qint16 numero);
