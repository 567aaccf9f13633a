#pragma once

#include "store/esito.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One movement of a bank statement, as the bank wrote it: nothing is cut or matched yet. Texts
// come with their blanks folded (line breaks, tabs and runs of blanks are one blank).
struct RigaEstratto {
    QDate data;           // booking date
    qint64 importo = 0;   // ten-thousandths, signed: above zero a credit, below a debit
    QString descrizione1; // the counterparty's name where the format has one, else the description
    QString descrizione2; // the remittance text, else a second description; may be empty
    // The fields below have initialisers so that {data, importo, d1, d2} still fills the rest.
    QString tipo = {};    // the kind of movement the file names ("Bonifico", ...); may be empty
    QString valuta = {};  // the currency's code when the movement is not in euro, else empty
    bool incerta = false; // the file marks it in a way that may mean not yet booked, or the
                          // bank's own figures do not confirm it
};

// A line of the file that holds an amount but is no movement, kept so the user sees that
// nothing of the file was lost.
struct RigaEsclusa {
    QDate data; // invalid when the line has none
    QString descrizione;
    qint64 importo = 0; // ten-thousandths, as the line states it
    QString stato;      // "saldo iniziale", "saldo finale", "saldo", "totale", "non contabilizzato"
};

// Its fields move as bytes, so a long statement grows without copying its texts.
Q_DECLARE_TYPEINFO(RigaEstratto, Q_RELOCATABLE_TYPE);

// The statements of one bank account read from a file: their booked movements in date order of
// the statements and the file's order within each, the first statement's opening balance and the
// last one's closing balance, where the format has them.
struct Estratto {
    QList<RigaEstratto> righe;
    std::optional<qint64> saldoiniziale;
    std::optional<qint64> saldofinale;
    QDate datasaldofinale; // the date of the closing balance, invalid when there is none
    // The bank account: its IBAN without blanks ("IT60X0542811101000000123456"), else the
    // account's own identifier in the file (camt Othr/Id; for a CBI flow without IBAN
    // "ABI 03069 CAB 01234 c/c 5678"); empty when the file names none. Statements of one
    // account always carry the same text, so it keys what is kept per bank account.
    QString conto = {}; // initialised, like valuta, so the shorter aggregate forms fill the rest
    // The account's currency when it is not the euro ("CHF"): every row then carries it too, and
    // the balances are left out. Empty for euro.
    QString valuta = {};
    // The balances, totals and unbooked rows of the file, in its order.
    QList<RigaEsclusa> escluse = {};
    // By how much the movements and the bank's own figures (its balances, its running balance)
    // disagree, where the reader could check them: 0 when they agree. The rows it cannot
    // confirm are incerta.
    std::optional<qint64> scarto = {};
};

// Reads a statement file of any known format, recognised by its content: one Estratto per bank
// account, in the order the file first names them, never an empty list. A failure names the file
// and says why in Italian ("Riga 12: ..." for a damaged line); a file that was read but cannot be
// imported says so in its message, never blaming the disk. conti is then left empty.
Esito leggiestratto(const QString &file, QList<Estratto> &conti);
// The same from bytes already read; nome is the file named in a failure.
Esito leggiestrattodati(const QByteArray &dati, const QString &nome, QList<Estratto> &conti);
