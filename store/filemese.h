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
Esito cancellamovimento(const QString &file, qint32 numero);
