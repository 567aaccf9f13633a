#pragma once

#include "store/esito.h"

#include <QSet>
#include <QString>
#include <QStringList>

// What the invoice import keeps per company in the data folder: percorso &
// "\quaderoladati\dittafatture", a line "company;VAT number or codice fiscale" each (the
// company's own identity, the last line of a company counting), and percorso &
// "\quaderoladati\fatturelette", a line "company;invoice key" for each invoice imported, only
// ever appended. A missing file holds nothing.

Esito leggiidentita(const QString &percorso, qint16 ditta, QString &codice);
Esito scriviidentita(const QString &percorso, qint16 ditta, const QString &codice);

Esito leggichiavi(const QString &percorso, qint16 ditta, QSet<QString> &chiavi);
Esito aggiungichiavi(const QString &percorso, qint16 ditta, const QStringList &chiavi);
