#pragma once

#include <QString>

// Money is a signed 64-bit count of ten-thousandths, so sums are exact.
constexpr qint64 diecimillesimi = 10000;

// The "fixed" text: rounded to two decimals (halves away from zero), at least one digit before
// the locale's decimal separator, no grouping, a leading "-" when negative.
QString fixed(qint64 importo);

// The same with a point as separator, for the amount box of the entry window ("123.50").
QString fixedpunto(qint64 importo);

// The same with a comma whatever the locale, for the files an Italian spreadsheet reads.
QString fixedvirgola(qint64 importo);
