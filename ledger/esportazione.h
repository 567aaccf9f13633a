#pragma once

#include "ledger/elabora.h"
#include "store/esito.h"

#include <QByteArray>
#include <QStringList>

struct SaldiAnno;

// The ledger as a spreadsheet file: Data;Descrizione;Descrizione 2;Entrate;Uscite;Saldo;Conto,
// one line per row of the table in its order, the carried balance included, then "Totali".
// Dates DD/MM/YYYY in the year the screen shows, amounts with a comma and two decimals. conti: the
// account captions by account index (0 unused, 1 TUTTI, 2 CASSA, ...).
QByteArray csvregistro(const TabellaMese &t, const QString &anno, const QStringList &conti);

// The monthly balances the same way: Mese;Entrate;Uscite;Saldo, the twelve months and "Anno".
QByteArray csvsaldi(const SaldiAnno &saldi);

// Writes the ledger of the filter to file with every matching movement, also past what the
// screen holds: the same reading as the screen's, so both agree on which rows match. The file is
// replaced whole or left as it was; a failure to read or write is returned.
Esito esportaregistro(const QString &file, const FiltroMese &f, const QStringList &conti);
// Writes the rows of the table as they stand.
Esito esportatabella(const QString &file, const TabellaMese &t, const QString &anno,
                     const QStringList &conti);
