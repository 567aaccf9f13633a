#pragma once

#include "store/esito.h"

#include <QDate>
#include <QList>

// The movements of one company in a management year, read once so that a statement can be
// checked against them for every account the user tries.
struct AnnoDitta {
    struct Voce {
        qint16 conto;
        qint16 giorno; // day of the year, from 1
        qint64 valore; // ten-thousandths, negative for an expense
    };
    int anno = 0; // four digits
    QList<Voce> voci;
};

// Reads the twelve month files of the year; deleted movements are left out. The first file that
// cannot be read stops it and is returned.
Esito leggiannoditta(const QString &percorso, const QString &anno, qint16 ditta, AnnoDitta &a);

// What a statement row is to the ledger. Only a new row is offered for import at once.
enum class StatoRiga { nuovo, giapresente, daverificare, altroanno, altravaluta };

// A statement row as it is checked: its booking date and what it adds to the balance.
struct RigaControllo {
    QDate data;
    qint64 valore;
};

// The state of each row, in the file's order, against the account's movements of the year. A
// recorded movement of the same day and value answers one row only ("già presente"), earlier
// rows first, so two equal coffees with one recorded give one of each; one within three days
// left unanswered makes a row "da verificare". A date outside the year is "altro anno".
QList<StatoRiga> statirighe(const AnnoDitta &a, qint16 conto, const QList<RigaControllo> &righe);

// The account's balance from 1 January to the date, both included.
qint64 saldofino(const AnnoDitta &a, qint16 conto, const QDate &fino);
