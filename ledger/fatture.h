#pragma once

#include "store/contatto.h"
#include "store/fattura.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// What an electronic invoice means for the payments due: which side the company is, how much
// changes hands and when, as the file states it.

enum class Lato { nessuno, cedente, cessionario, entrambi };

// The side the company of that VAT number ("IT01234567890" or "01234567890") or codice fiscale
// is on; either may be empty.
Lato latoditta(const Fattura &f, const QString &partitaiva, const QString &codicefiscale);

// A party's VAT number with its country ("IT01234567890"), the prefix a sender repeats inside
// the code dropped; empty when it has none.
QString partitaiva(const Soggetto &s);

// The invoice's identity, whatever envelope it came in: seller's VAT (else codice fiscale),
// type, number and date.
QString chiavefattura(const Fattura &f);

// The types that integrate VAT or notify the tax office: no money changes hands on them.
bool senzadenaro(const QString &tipo);

// What the buyer pays: the total less the withholding and, under split payment, the VAT.
qint64 dapagare(const Fattura &f);

struct Voce {
    QDate scadenza;
    qint64 importo = 0;        // ten-thousandths: above zero to collect, below zero to pay
    bool senzatermini = false; // no payment block: dated the invoice's date
    QString controparte;       // the other party's name, cut at a word within 50 characters
    QString descrizione;       // "Fattura 123/2026 del 15/03/2026"
    QString iban;
    QString codice; // CodicePagamento
};

// One item per instalment as the file states it (none for zero instalments); with no payment
// block one item of what the buyer pays. lato is cedente or cessionario; a credit note goes the
// other way.
QList<Voce> vocifattura(const Fattura &f, Lato lato);

// "Fattura 123/2026 del 15/03/2026", "Nota di credito 4 del 01/02/2026".
QString descrizionefattura(const Fattura &f);

// The text cut at a word so that it fits massimo characters (at a character when one word is
// longer).
QString taglioparola(const QString &testo, qsizetype massimo);

// The party as the address book registers it. The book's VAT field holds an Italian number's
// eleven digits: a foreign number, which would be cut there, goes to the notes whole.
Contatto contattofattura(const Soggetto &s);

// The party on one side or the other of every invoice, to propose as the company's own; none
// when no single party is (all between the same two, or no party in all).
std::optional<Soggetto> dittacomune(const QList<Fattura> &fatture);
