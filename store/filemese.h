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
// Reads the file's whole records and writes what decidi makes of them, under one lock (see
// FileRecord::aggiorna).
Esito aggiornamese(const QString &file,
                   const std::function<void(const QByteArray &dati, Modifiche &m)> &decidi);

// What taking back a deletion did: put the record back, found it changed by another
// workstation meanwhile, or was refused by the caller's rule.
enum class Ripristino { fatto, cambiato, rifiutato };
// Puts back the bytes prima that cancellamovimento took from record numero, when the record
// still holds exactly them with the deleted mark. consenti, when given, sees the file's records
// under the same lock and may keep the record deleted.
Esito ripristinamovimento(const QString &file, qint32 numero, const QByteArray &prima,
                          Ripristino &esito,
                          const std::function<bool(const QByteArray &dati)> &consenti = {});
