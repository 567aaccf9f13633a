#pragma once

#include "store/esito.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Carrying the final balance of a management year into 1 January of the next, as a movement
// "RIPORTO SALDO" per account, so that January's running balance starts where December ended.

// One account's carry: its balance at the end of the year and the record of the next January
// that carries it already (0 none).
struct Riporto {
    qint16 conto = 0;
    qint64 saldo = 0;
    qint32 numero = 0;
};

// True when the record is a carry of year anno (two digits), whatever its account: the
// opening balance of the next year, not a movement of its own.
bool eriporto(const char *record, const QString &anno);

// The two-digit year after anno: "26" is followed by "27", "99" by "00".
QString annosuccessivo(const QString &anno);

// The carries of year anno for company ditta and account conto (1 every account), by account
// number: each account that ends the year with a balance, and each one carried before whose
// record has to follow its balance now. One pass over the year and the next January.
Esito preparariporti(const QString &percorso, const QString &anno, qint16 ditta, qint16 conto,
                     QList<Riporto> &riporti);

// Writes one carry into the next January, deciding under the file's lock: the first record
// carried before rewritten in place, or a new movement of 1 January, and any other record
// carrying the same year, company and account deleted, so one always stands. A balance that
// became zero deletes them all.
Esito scriviriporto(const QString &percorso, const QString &anno, qint16 ditta, const Riporto &r);

// True when prima, a record about to be put back as record numero of a file holding dati, is a
// carry and another carry of the same year, company and account stands there: only one may.
bool altroriporto(const QByteArray &dati, qint32 numero, const QByteArray &prima);

// A carried balance rewritten: the year it opens (four digits) and the balance it now carries.
struct Riportato {
    int anno = 0;
    qint64 saldo = 0;
};

// After movements of the account went into year anno (four digits): where that year's balance
// was carried already, the carry is computed again and rewritten as scriviriporto does, and so
// on for each next year carried, since each carry changes the balance of the year it opens.
Esito aggiornariporti(const QString &percorso, int anno, qint16 ditta, qint16 conto,
                      QList<Riportato> &aggiornati);
