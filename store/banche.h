#pragma once

#include "store/esito.h"

#include <QHash>
#include <QString>

// The book account each bank account's statements were last imported into:
// percorso & "\quaderoladati\banche.txt", one line per bank account, "IBAN-or-number;account
// name", Windows-1252 with CR LF. Only a help to the user: a missing or damaged file just
// remembers nothing.

QString percorsobanche(const QString &percorso);

// The book account's name for each bank account; nothing for a file missing, unreadable or
// damaged, and a damaged line is passed over.
QHash<QString, QString> leggibanche(const QString &percorso);
// Remembers nomeconto for the bank account conto, rewriting the whole file atomically.
Esito ricordabanca(const QString &percorso, const QString &conto, const QString &nomeconto);
