#pragma once

#include "store/contatto.h"
#include "store/esito.h"

#include <QList>
#include <functional>

// The address book percorso & "\quaderoladati\rubrica": 306-byte Contatto records, numbered
// from 1 for life. A missing file is created empty when opened.

QString percorsorubrica(const QString &percorso);

Esito contacontatti(const QString &percorso, qint32 &numero);
Esito leggicontatto(const QString &percorso, qint32 numero, Contatto &c);
// Appends under a lock and returns the new record number.
Esito aggiungicontatto(const QString &percorso, const Contatto &c, qint32 *numero = nullptr);
// Appends c unless trova finds it among the contacts as they are under the file's lock (their
// index, -1 when absent), so that two workstations adding the same party at once add it once;
// numero receives the record found or appended, contatti the contacts as they then stand.
Esito aggiungicontattoassente(const QString &percorso, const Contatto &c,
                              const std::function<qsizetype(const QList<Contatto> &)> &trova,
                              qint32 &numero, QList<Contatto> &contatti);
Esito riscrivicontatto(const QString &percorso, qint32 numero, const Contatto &c);
Esito leggicontatti(const QString &percorso, QList<Contatto> &contatti);
// The whole records in one read, for the name search.
Esito leggirubricagrezza(const QString &percorso, QByteArray &dati);
