#include "ledger/testocercato.h"

#include "store/codepage.h"

#include <QByteArray>
#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The case-folded character of every byte of the code page.
const std::array<char16_t, 256> &piegati()
{
    static const std::array<char16_t, 256> tabella = [] {
        QByteArray tutti(256, '\0');
        for (int b = 0; b < 256; ++b)
            tutti[b] = char(b);
        const QString caratteri = decodificatesto(tutti);
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = caratteri.at(b).toCaseFolded().unicode();
        return t;
    }();
    return tabella;
}

// The blanks the field decoder trims.
bool bianco(char16_t c)
{
    return c == u' ' || c == u'\0';
}

} // namespace

TestoCercato::TestoCercato(const QString &testo)
{
    const QString piegato = testo.toCaseFolded();
    for (QChar c : piegato)
        ago.push_back(c.unicode());
    if (ago.empty())
        return;
    // A letter has its two cases, in this code page a bit apart but for "ÿ"; a character that no
    // byte stands for, or one that three bytes stand for, is left to the plain comparison.
    blocchi = true;
    sedicine[2].fill(0xff); // a text of one character: any byte passes the second test
    sedicine[3].fill(0xff);
    for (size_t k = 0; k < 2 && k < ago.size(); ++k) {
        std::vector<unsigned char> byte;
        for (int b = 0; b < 256; ++b)
            if (piegati()[size_t(b)] == ago[k])
                byte.push_back(static_cast<unsigned char>(b));
        const unsigned bit = byte.empty() ? 0 : unsigned(byte.front() ^ byte.back());
        blocchi = blocchi && !byte.empty() && byte.size() <= 2 && (bit & (bit - 1)) == 0;
        if (!byte.empty()) {
            sedicine[2 * k].fill(static_cast<unsigned char>(bit));
            sedicine[2 * k + 1].fill(static_cast<unsigned char>(byte.front() | bit));
        }
    }
    // A match can reach into the padding only through a blank at one end of the text.
    rifila = bianco(ago.front()) || bianco(ago.back());
}

bool TestoCercato::confronta(const unsigned char *inizio) const
{
    const auto &t = piegati();
    for (size_t j = 0; j < ago.size(); ++j)
        if (t[inizio[j]] != ago[j])
            return false;
    return true;
}

#if defined(__GNUC__)
namespace {
typedef unsigned char v16 __attribute__((vector_size(16)));

v16 carica(const unsigned char *p)
{
    v16 v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}

// One bit per place whose byte matched.
unsigned bit(v16 m)
{
#if defined(__SSE2__)
    return unsigned(_mm_movemask_epi8((__m128i)m));
#else
    unsigned b = 0;
    for (int k = 0; k < 16; ++k)
        b |= unsigned(m[k] != 0) << k;
    return b;
#endif
}
} // namespace
#endif

bool TestoCercato::cerca(const unsigned char *campo, qsizetype larghezza) const
{
    qsizetype inizio = 0, fine = larghezza;
    if (rifila) {
        while (inizio < fine && bianco(campo[inizio]))
            ++inizio;
        while (fine > inizio && bianco(campo[fine - 1]))
            --fine;
    }
    const qsizetype n = qsizetype(ago.size());
    const qsizetype ultimo = fine - n; // the last place the text can start
    qsizetype i = inizio;
#if defined(__GNUC__)
    // Sixteen places at a time, up to four times sixteen before a branch: only where the first
    // two characters match is the rest compared, and a field where they match nowhere costs one
    // branch. A window reads the byte after its sixteen places too, never past the field.
    if (blocchi) {
        const v16 bit0 = carica(sedicine[0].data()), byte0 = carica(sedicine[1].data());
        const v16 bit1 = carica(sedicine[2].data()), byte1 = carica(sedicine[3].data());
        while (i <= ultimo && i + 17 <= larghezza) {
            const qsizetype finestre =
                std::min({(larghezza - i - 1) / 16, (ultimo - i) / 16 + 1, qsizetype(4)});
            quint64 b = 0;
            for (qsizetype w = 0; w < finestre; ++w) {
                const unsigned char *p = campo + i + 16 * w;
                const v16 m =
                    (v16)((carica(p) | bit0) == byte0) & (v16)((carica(p + 1) | bit1) == byte1);
                b |= quint64(bit(m)) << (16 * w);
            }
            for (; b != 0; b &= b - 1) {
                const qsizetype j = i + __builtin_ctzll(b);
                if (j <= ultimo && confronta(campo + j))
                    return true;
            }
            i += 16 * finestre;
        }
    }
#endif
    for (; i <= ultimo; ++i)
        if (confronta(campo + i))
            return true;
    return false;
}
