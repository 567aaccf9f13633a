#pragma once

#include <QString>

// The sample archive the pictures of the guide show: two companies, the cash and two accounts,
// a year of movements and a few contacts, written in the data folder of the current home
// through the program's own store. Empty when it was written, else the failure.
QString scriviesempio();

// A bank's statement of the account "Banca" for the first quarter, as camt.053 XML, written to
// file.
bool scriviestratto(const QString &file);

// The sample's management year, as the program holds it.
inline const QString annoesempio = QStringLiteral("26");
