#pragma once

#include "ledger/doppioni.h"
#include "store/contatto.h"
#include "store/estratto.h"
#include "store/movimento.h"
#include "store/regole.h"

#include <QHash>
#include <QList>
#include <QStringList>

// Address-book names as a movement's first description is matched against them: case and
// blanks aside. The first contact of a name wins.
class Nomicontatti
{
  public:
    explicit Nomicontatti(const QList<Contatto> &rubrica = {});
    // The record number of the contact so named, 0 when there is none.
    qint16 numero(const QString &nome) const;
    // The name of contact numero as the address book writes it; empty for none.
    QString nome(qint16 numero) const;

  private:
    QHash<QString, qint16> numeri;
    QStringList nomi;
};

// The company's rules, by the counterparty they are for.
class Regole
{
  public:
    explicit Regole(const QList<Regola> &regole = {});
    const Regola *regola(const QString &controparte) const;

  private:
    QHash<QString, Regola> perchiave;
};

// How a statement row's descriptions came about, for the import window to show and learn from.
struct Provenienza {
    QString controparte; // the counterparty the bank's text names, whole: the key of its rule
    bool regola = false; // a rule gave the descriptions
};

// The movement a statement row becomes, as the entry window would store it: day of the booking
// date, income for a credit and expense for a debit, the amount positive and to the cent, the
// counterparty and the purpose where the bank's text is known (ledger/testibanca.h), else its
// texts as given; both descriptions cut to the 50 characters of the record at a blank and never
// empty (the second, when the bank gave none, takes what the first left past the cut, else the
// kind of movement, else "Estratto conto"). The counterparty's rule gives its descriptions and
// contact; a counterparty or first description that names a contact gets its name and number.
Movimento movimentoestratto(const RigaEstratto &riga, qint16 conto, qint16 ditta,
                            const Nomicontatti &rubrica, const Regole &regole,
                            Provenienza *provenienza = nullptr);
Movimento movimentoestratto(const RigaEstratto &riga, qint16 conto, qint16 ditta,
                            const Nomicontatti &rubrica);

// The text's bytes cut to at most n at a blank between words (inside a word only when one word
// alone is longer), and what is left past the cut.
QByteArray taglioparole(const QByteArray &testo, qsizetype n, QByteArray *resto = nullptr);

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
