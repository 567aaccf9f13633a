#pragma once

#include <QString>
#include <QStringList>

// The sample archive the pictures of the guide show: two companies, the cash and two accounts,
// a year of movements and a few contacts, written in the data folder of the current home
// through the program's own store. Empty when it was written, else the failure.
QString scriviesempio();

// A bank's statement of the account "Banca" for the first quarter, as camt.053 XML, written to
// file.
bool scriviestratto(const QString &file);

// The company's own VAT number in the sample invoices.
inline const QString partitaivaesempio = QStringLiteral("IT01234560157");

// A few electronic invoices of the sample company, written into cartella: a supplier's bill in
// two instalments, an invoice to a public body under split payment with no terms, and the
// exchange system's receipt of it. Their paths, empty when one could not be written.
QStringList scrivifatture(const QString &cartella);

// The sample's management year, as the program holds it.
inline const QString annoesempio = QStringLiteral("26");
