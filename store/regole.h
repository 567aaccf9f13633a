#pragma once

#include "store/esito.h"

#include <QList>
#include <QString>
#include <QStringList>

// The descriptions the user gave the movements of a counterparty when importing a statement,
// kept per company in percorso & "\quaderoladati\regole": 206-byte records, each rewritten in
// place or appended under the file's lock, so that workstations share it like the account list.
// A dropped rule leaves a free record that the next one takes. A record of another kind or
// without a counterparty is skipped; a missing file holds no rule and is not created by reading.

struct Regola {
    QString controparte;  // as the bank's text names it, the key of the rule
    QString descrizione1; // empty: the first description the bank's text gives
    QString descrizione2; // empty: the second
    qint16 contatto = 0;  // address-book record number, 0 = none

    bool operator==(const Regola &) const = default;
};

namespace regole {
constexpr qsizetype dimensione = 206;
constexpr qsizetype larghezzacontroparte = 100;
} // namespace regole

QString percorsoregole(const QString &percorso);

// The counterparty as rules compare it: cut to its field, case, blanks and punctuation aside
// ("A2A S P A" is "A2A S.P.A.").
QString chiaveregola(const QString &controparte);

// The company's rules in the file's order.
Esito leggiregole(const QString &percorso, qint16 ditta, QList<Regola> &regole);
// Keeps each rule in place of the company's rule of the same counterparty, else in a free
// record, else after the last: all decided and written under one lock.
Esito ricordaregole(const QString &percorso, qint16 ditta, const QList<Regola> &regole);
// Drops the company's rules of these counterparties.
Esito cancellaregole(const QString &percorso, qint16 ditta, const QStringList &controparti);
