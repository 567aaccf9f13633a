#pragma once

#include "store/esito.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// What the invoice import keeps per company in the data folder: percorso &
// "\quaderoladati\dittafatture", a line "company;VAT number or codice fiscale" each (the
// company's own identity, the last line of a company counting), and percorso &
// "\quaderoladati\fatturelette", a 128-byte line "company;invoice key" (blank-padded) for each
// invoice imported, only ever appended under the file's lock. A missing file holds nothing.
// The same file keeps the payment codes (CodicePagamento) of the items imported, which the
// records of the payments due have no room for: a record "company;#item|code" each, passed over
// by the key readers.

Esito leggiidentita(const QString &percorso, qint16 ditta, QString &codice);
Esito scriviidentita(const QString &percorso, qint16 ditta, const QString &codice);

Esito leggichiavi(const QString &percorso, qint16 ditta, QSet<QString> &chiavi);
// Under the file's lock, appends the keys not yet there and puts them in nuove: a key another
// workstation wrote meanwhile is left out, so an invoice is imported by one alone.
Esito prenotachiavi(const QString &percorso, qint16 ditta, const QStringList &chiavi,
                    QStringList &nuove);

// Appends the codes (item number -> code) in one write under the lock; a code too long for the
// record is cut, being only a preference when pairing statement rows.
Esito scrivicodici(const QString &percorso, qint16 ditta, const QHash<qint32, QString> &codici);
Esito leggicodici(const QString &percorso, qint16 ditta, QHash<qint32, QString> &codici);
