#pragma once

#include <QString>

// An amount typed into the entry window, read exactly: an optional minus sign, digits, an
// optional point and further digits. Reading stops at the first character that cannot continue
// the number; a text with no digits reads as 0 ("12.5" is 12.5, "1.2.3" is 1.2, "5-3" is 5,
// "-.5" is -0.5, "-" and "." are 0). Decimal digits are never turned into a binary fraction, so
// 0.15 is exactly 1500 ten-thousandths.
struct Importo {
    qint64 valore = 0;       // ten-thousandths, rounded half away from zero; 0 when fuoriscala
    bool zero = true;        // the number as written is 0, before any rounding
    bool fuoriscala = false; // the rounded amount does not fit a signed 64-bit count
};

Importo leggiimporto(const QString &testo);
