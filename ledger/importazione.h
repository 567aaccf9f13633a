#pragma once

#include "ledger/doppioni.h"
#include "store/contatto.h"
#include "store/estratto.h"
#include "store/movimento.h"

#include <QHash>
#include <QList>

// Address-book names as a movement's first description is matched against them: case and
// blanks at the ends aside. The first contact of a name wins.
class Nomicontatti
{
  public:
    explicit Nomicontatti(const QList<Contatto> &rubrica = {});
    // The record number of the contact so named, 0 when there is none.
    qint16 numero(const QString &nome) const;

  private:
    QHash<QString, qint16> numeri;
};

// The movement a statement row becomes, as the entry window would store it: day of the booking
// date, income for a credit and expense for a debit, the amount positive and to the cent, both
// descriptions cut to the 50 characters of the record and never empty (the second, when the bank
// gave none, takes what the first left past them, else the kind of movement, else "Estratto
// conto"), the contact its first description names.
Movimento movimentoestratto(const RigaEstratto &riga, qint16 conto, qint16 ditta,
                            const Nomicontatti &rubrica);

// What the movement adds to its account's balance: its amount, negative for an expense.
inline qint64 valore(const Movimento &m)
{
    return m.segno == movimento::uscita ? -m.importo : m.importo;
}

// By how much the statement does not add up: what its reader found against the bank's own
// figures, else its closing balance against its opening plus its euro movements; 0 when it adds
// up or has not both balances, so nothing can be checked.
qint64 scarto(const Estratto &e);
inline bool quadra(const Estratto &e)
{
    return scarto(e) == 0;
}
// The statement's last date: its closing balance's, else its latest movement's.
QDate ultimadata(const Estratto &e);

// What the statement itself says of a row, over what the ledger tells: a row in another currency
// cannot be imported ("altra valuta"), and one the bank may not have booked yet is to be checked
// rather than taken as new.
StatoRiga statoestratto(const RigaEstratto &riga, StatoRiga registro);
