#pragma once

#include <QString>
#include <array>
#include <vector>

// A search text looked for in a fixed-width Windows-1252 field without decoding the field:
// every byte is compared through the case-folded character it stands for, which is what
// QString::contains with Qt::CaseInsensitive does on the decoded text. So "città" finds
// "CITTÀ", and a year of descriptions is searched at the speed of a byte scan.
class TestoCercato
{
  public:
    explicit TestoCercato(const QString &testo);

    bool vuoto() const { return ago.empty(); }
    // True when the field, trimmed of blanks at both ends, contains the text; always true for
    // the empty text.
    bool trovatoin(const char *campo, qsizetype larghezza) const
    {
        return ago.empty() || cerca(reinterpret_cast<const unsigned char *>(campo), larghezza);
    }

  private:
    bool cerca(const unsigned char *campo, qsizetype larghezza) const;
    bool confronta(const unsigned char *inizio) const;

    std::vector<char16_t> ago; // the text, case-folded
    // For the first and the second character of the text, sixteen times over: the bit in which
    // the two bytes that stand for it differ (0 when one byte does), and the byte with that bit
    // set. A byte b stands for the character when (b | bit) == byte, so sixteen places of a
    // field are tested at once. For a text of one character the second test passes every byte.
    // blocchi tells whether this covers every byte that stands for them.
    alignas(16) std::array<std::array<unsigned char, 16>, 4> sedicine{};
    bool blocchi = false;
    bool rifila = false; // the text begins or ends with a blank, so the padding matters
};
