#pragma once

// Electronic invoices as the tests write them, and what the windows show and write of them.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class QWidget;

// An invoice from Alfa (IT01234567890) to Mario Rossi (codice fiscale only), with a carrier of
// its own VAT number; corpo replaces the body's payment part.
QByteArray fattura(const QString &documento, const QString &corpo,
                   const QString &radice = "p:FatturaElettronica xmlns:p=\"x\"");
QString rata(const char *campi);

// An ASN.1 element in DER: its tag, length and content.
QByteArray tlv(char tag, const QByteArray &contenuto);
extern const QByteArray oiddati;

// A signed envelope of the document as signing programs write it (the reader looks at no
// signer); spezzato: the document in chunks of an indefinite-length constructed string, as BER
// allows. eContent absent for a detached signature.
QByteArray busta(const QByteArray &documento, bool spezzato = false, bool separata = false);

QByteArray archivio(const QList<std::pair<const char *, QByteArray>> &parti);

// The invoice of fattura() with its body once per number, each numbered so.
QByteArray piucorpi(const QByteArray &fattura, const QStringList &numeri);

// The grid as the user reads it: check, invoice, party, date, amounts, state (and its tooltip).
QStringList griglia(const QWidget *f);

// The items of company 1 as written: date, sign, amount, descriptions, contact.
QStringList vociscritte();
