#pragma once

#include <QString>
#include <optional>

// An amount written with a point, read exactly: an optional minus sign, digits, an optional
// point and further digits, rounded to four decimals; the caller has checked the form, reading
// stops where the number does. A text with no digits reads as 0 ("-.5" is -0.5, "-" and "." are
// 0). Decimal digits are never turned into a binary fraction, so 0.15 is exactly 1500
// ten-thousandths.
struct Importo {
    qint64 valore = 0;       // ten-thousandths, rounded half away from zero; 0 when fuoriscala
    bool zero = true;        // the number as written is 0, before any rounding
    bool fuoriscala = false; // the rounded amount does not fit a signed 64-bit count
};

Importo leggiimporto(const QString &testo);

// An amount as the user types it: an optional minus in front, digits, then at most one decimal
// separator and up to four decimals. With a comma, the comma separates the decimals and points
// may only group the digits before it by three ("1.250,00" is 1250); without one, a single point
// does ("12.5", as the entry window shows amounts). Anything else ("1.2.3", "5-3", "1,2,3",
// "1.25,00", five decimals) is no amount: nullopt. "", "-" and "." read as 0.
std::optional<Importo> importodigitato(const QString &testo);
