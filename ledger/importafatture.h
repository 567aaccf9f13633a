#pragma once

#include "ledger/fatture.h"
#include "store/esito.h"

#include <QList>
#include <QString>
#include <QStringList>

// Writes the items of the electronic invoices a user chose into the payments due.

// An item chosen, with the invoice it comes from and the party on its other side.
struct Sceltafattura {
    QString chiave; // chiavefattura
    Voce voce;
    Soggetto altro;
};

// The party's contact in rubrica (the address book, record i + 1 at index i): by VAT number
// or codice fiscale, else by name; created and appended when missing, looked for again under
// the address book's lock so that two workstations create it once. numero receives it.
Esito contattoparte(const QString &percorso, const Soggetto &s, QList<Contatto> &rubrica,
                    qint16 &numero);

// Takes the keys of the chosen invoices under the lock of the file of invoices read, so that an
// invoice another workstation imports at once is imported by one alone, then writes the items of
// the invoices taken, each naming its party's contact, and then their payment codes in one
// write. importate receives the keys taken. An item whose contact cannot be written is written
// without one, and the first failure returned.
Esito importafatture(const QString &percorso, qint16 ditta, const QList<Sceltafattura> &scelte,
                     QStringList &importate);
