#pragma once

#include "store/esito.h"
#include "store/quadrature.h"

#include <QDate>
#include <QList>
#include <QSet>

// The recorded movements of one company that a statement is checked against, read once so that
// the check can be made again for every account the user tries: those of the management year
// and the few months of the years beside it that the statement needs.
struct AnnoDitta {
    struct Voce {
        qint64 giorno; // Julian day
        qint64 valore; // ten-thousandths, negative for an expense
        qint32 numero; // record number in its month file
        qint16 anno;   // four digits
        qint16 mese;
        qint16 conto;
    };
    int anno = 0; // the management year, four digits
    QList<Voce> voci;
    QList<int> mesi; // year * 100 + month of each month file read, so none is read twice
    // The years (four digits) and accounts whose January read holds the carry of the year before.
    QSet<std::pair<int, qint16>> riportati = {};
};

// Reads the twelve month files of the year; deleted movements, and those whose sign is neither
// income nor expense, are left out. The first file that cannot be read stops it and is returned.
Esito leggiannoditta(const QString &percorso, const QString &anno, qint16 ditta, AnnoDitta &a);

// Adds the months of other years the statement needs: those from 90 days before a row to three
// days after it, so that a movement typed on the other side of the year's end is found; and, when
// the statement ends in another year, that year's months up to its end, for the balance on that
// date. Missing files stay missing; a month already read is not read again, so each bank account of
// a file may ask for its own.
Esito leggiattorno(const QString &percorso, qint16 ditta, const QList<QDate> &date,
                   const QDate &fine, AnnoDitta &a);

// True when a row of the date can be booked from the management year: in it, the year before or
// the year after, each into its own month files.
bool importabile(const AnnoDitta &a, const QDate &data);

// What a statement row is to the ledger. Only a new row is offered for import at once; a row of
// another year, of no amount or in another currency cannot be imported.
enum class StatoRiga { nuovo, giapresente, daverificare, altroanno, importonullo, altravaluta };

// A statement row as it is checked: its booking date and what it adds to the balance.
struct RigaControllo {
    QDate data;
    qint64 valore;
};

// A row's state and the recorded movement it was paired with, named by its management year
// (four digits), month and record number in its month file; numero is 0 when it has none.
struct Abbinamento {
    StatoRiga stato = StatoRiga::nuovo;
    int anno = 0;
    qint16 mese = 0;
    qint32 numero = 0;
};

// Pairs the rows with the account's recorded movements of the same value (sign and amount), at
// most three days apart, as one assignment: the most pairs, then the most on the same day, then
// the least days apart in all, so neither the order of the file nor that of the records changes
// anything. Same day is "già presente", within three days "da verificare". A row left alone then
// pairs, as a second assignment, with the nearest movement of its value up to 90 days before it
// that no statement or user confirmed (a cheque cashed weeks later): "da verificare" too. Unpaired
// is "nuovo"; a row further than a year from the management year is "altro anno" and one of no
// amount "importo nullo", though the first still takes its movement. One result per row, in the
// file's order.
QList<Abbinamento> abbinarighe(const AnnoDitta &a, qint16 conto, const QList<RigaControllo> &righe,
                               const QSet<Conferma> &confermate = {});

// The account's balance on the date, computed in the date's year: from its 1 January (its
// carried balance included, a movement like any other) to the date, both included; a year not
// carried into yet opens with the closing balance of the year before. Another year's months
// must have been read with leggiattorno.
qint64 saldofino(const AnnoDitta &a, qint16 conto, const QDate &fino);
