#pragma once

#include "store/esito.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One movement of a bank statement, as the bank wrote it: nothing is cut or matched yet.
struct RigaEstratto {
    QDate data;           // booking date
    qint64 importo = 0;   // ten-thousandths, signed: above zero a credit, below a debit
    QString descrizione1; // the counterparty's name where the format has one, else the description
    QString descrizione2; // the remittance text, else a second description; may be empty
};

// A bank statement read from a file: its booked movements in the file's order and, where the
// format has them, its opening and closing balances.
struct Estratto {
    QList<RigaEstratto> righe;
    std::optional<qint64> saldoiniziale;
    std::optional<qint64> saldofinale;
    QDate datasaldofinale; // the date of the closing balance, invalid when there is none
};

// Reads a statement file of any known format, recognised by its content. A failure names the
// file and says why in Italian ("Riga 12: ..." for a damaged line); e is then left empty.
Esito leggiestratto(const QString &file, Estratto &e);
// The same from bytes already read; nome is the file named in a failure.
Esito leggiestrattodati(const QByteArray &dati, const QString &nome, Estratto &e);
