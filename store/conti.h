#pragma once

#include "store/esito.h"

#include <QStringList>

// The account list percorso & "\quaderoladati\listconto": 50-byte records, one name each.
// Record n is the account whose toolbar button has index n + 2.

namespace conti {
constexpr qsizetype dimensione = 50;
constexpr qint16 tutti = 1;
constexpr qint16 cassa = 2;
} // namespace conti

QString percorsoconti(const QString &percorso);

// Names of records 1 to n, trimmed; the file is created empty when missing.
Esito leggiconti(const QString &percorso, QStringList &nomi);
// Writes the name (trimmed, cut to 50) as record numero, at most one past the last.
Esito scriviconto(const QString &percorso, qint32 numero, const QString &nome);
// Appends the name after the last record, under a lock; returns its record number. A list of
// fewer than minimo - 1 records (replaced, or of another data root) is refused untouched.
Esito aggiungiconto(const QString &percorso, const QString &nome, qint32 *numero = nullptr,
                    qint32 minimo = 1);
// The name as the list stores and reads it back: trimmed, cut to 50, in the code page.
QString nomecontoregistrato(const QString &nome);
