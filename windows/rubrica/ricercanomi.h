#pragma once

#include <QList>
#include <QStringList>

// The result of a name search: record numbers and names, line by line.
struct NomiTrovati {
    QList<qint32> numeri;
    QStringList nomi;
};

// The contacts whose name begins with testo (blanks trimmed, any case; empty = every contact),
// in record order, at most massimo of them. The address book is read with one read and only
// the names are decoded, so a search keeps up with typing on a large file. A failed read finds
// nothing and says nothing: the search is a convenience, not a check.
NomiTrovati cercanomi(const QString &percorso, const QString &testo, int massimo = 1000);
