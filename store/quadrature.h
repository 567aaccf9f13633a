#pragma once

#include "store/esito.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

// The reconciliation file percorso & "\quaderoladati\quadrature": for each company and book
// account, the bank statements imported into it and the movements the bank (or the user, by
// hand) confirmed. 64-byte records, only ever appended under the file's lock, so several
// workstations share it like a month file; a record of another kind, or damaged, is skipped.

// A movement confirmed, with the day, sign and amount its record had then: it stays confirmed
// only while the record still holds them (a movement modified or deleted since is open again).
struct Conferma {
    int anno = 0;      // four digits
    qint16 mese = 0;   // the month file
    qint32 numero = 0; // record number in it
    qint16 giorno = 0;
    qint16 segno = 0;   // 0 income, 1 expense
    qint64 importo = 0; // ten-thousandths

    bool operator==(const Conferma &) const = default;
};
size_t qHash(const Conferma &c, size_t seme = 0);

// What a statement said of the bank account on its last date.
struct EstrattoTenuto {
    QString banca; // the bank account: IBAN, or ABI, CAB and account number; may be empty
    QDate data;
    std::optional<qint64> saldo; // its closing balance, when the file gave one
};

// What the file holds for one company and book account.
struct Conferme {
    std::optional<EstrattoTenuto> estratto; // the latest statement; none when none was imported
    QSet<Conferma> confermate;
    QList<EstrattoTenuto> estratti = {}; // every statement kept, in the file's order
};

namespace quadrature {
constexpr qsizetype dimensione = 64;
constexpr qsizetype larghezzabanca = 38;
} // namespace quadrature

QString percorsoquadrature(const QString &percorso);

// Keeps what one import confirmed: the statement (when data is a valid date) and the movements,
// all in one append, so another workstation never sees half of it.
Esito registraestratto(const QString &percorso, qint16 ditta, qint16 conto, const QString &banca,
                       const QDate &data, std::optional<qint64> saldo,
                       const QList<Conferma> &confermate);
// Keeps movements the user confirmed by hand.
Esito registraconferme(const QString &percorso, qint16 ditta, qint16 conto,
                       const QList<Conferma> &confermate);
// What is kept for the account: the statement of the latest date (the last kept of that date)
// and every confirmation. A missing file keeps nothing and is not created.
Esito leggiconferme(const QString &percorso, qint16 ditta, qint16 conto, Conferme &c);
