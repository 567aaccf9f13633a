#pragma once

#include "store/contatto.h"
#include "store/esito.h"

#include <QList>

// The address book percorso & "\quaderoladati\rubrica": 306-byte Contatto records, numbered
// from 1 for life. A missing file is created empty when opened.

QString percorsorubrica(const QString &percorso);

Esito contacontatti(const QString &percorso, qint32 &numero);
Esito leggicontatto(const QString &percorso, qint32 numero, Contatto &c);
// Appends under a lock and returns the new record number.
Esito aggiungicontatto(const QString &percorso, const Contatto &c, qint32 *numero = nullptr);
Esito riscrivicontatto(const QString &percorso, qint32 numero, const Contatto &c);
Esito leggicontatti(const QString &percorso, QList<Contatto> &contatti);
// The whole records in one read, for the name search.
Esito leggirubricagrezza(const QString &percorso, QByteArray &dati);
