#pragma once

#include "store/esito.h"
#include "store/filerecord.h"
#include "store/movimento.h"

#include <functional>

// The month files of movements: percorso & "\quaderoladati\mov" & MM & YY.
// Paths are given as the program forms them; the operations make them native.

QString cartelladati(const QString &percorso); // percorso & "\quaderoladati"
QString percorsomese(const QString &percorso, int mese, const QString &anno);

Esito contamovimenti(const QString &file, qint32 &numero);
Esito leggimovimento(const QString &file, qint32 numero, Movimento &m);
Esito leggimovimenti(const QString &file, QList<Movimento> &movimenti);
// The whole records of the file in one read, for readers that filter on raw bytes.
Esito leggimesegrezzo(const QString &file, QByteArray &dati);
// The same a block of records at a time (their bytes and how many), for readers that sum.
Esito leggimeseablocchi(const QString &file,
                        const std::function<void(const char *, qsizetype)> &usa,
                        Mancante mancante = Mancante::Crea);
Esito aggiungimovimento(const QString &file, const Movimento &m, qint32 *numero = nullptr);
// Record number 0 means a new movement, which is appended.
Esito riscrivimovimento(const QString &file, qint32 numero, const Movimento &m);
// prima, when given, receives the record's bytes as they were before the mark.
Esito cancellamovimento(const QString &file, qint32 numero, QByteArray *prima = nullptr);
// Rewrites record numero with what cambia makes of its bytes, all under one lock; when cambia
// returns false (the record is no longer what the caller expected, another workstation changed
// it meanwhile) nothing is written. scritto tells which; a number past the last record is never.
Esito modificamovimento(const QString &file, qint32 numero,
                        const std::function<bool(QByteArray &)> &cambia, bool &scritto);
// Puts back the bytes prima that cancellamovimento took from record numero, when the record
// still holds exactly them with the deleted mark; ripristinato tells whether it did.
Esito ripristinamovimento(const QString &file, qint32 numero, const QByteArray &prima,
                          bool &ripristinato);
