#include "ledger/testocercato.h"

#include "store/codepage.h"

#include <QByteArray>

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
    // A letter has its two cases; a character that no byte stands for, or one that three bytes
    // stand for, is left to the plain comparison.
    blocchi = true;
    for (size_t k = 0; k < iniziali.size() && k < ago.size(); ++k) {
        std::vector<unsigned char> byte;
        for (int b = 0; b < 256; ++b)
            if (piegati()[size_t(b)] == ago[k])
                byte.push_back(static_cast<unsigned char>(b));
        blocchi = blocchi && !byte.empty() && byte.size() <= 2;
        if (!byte.empty())
            iniziali[k] = {byte.front(), byte.back()};
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
    // Sixteen places at a time: only where the first two characters match is the rest compared,
    // and a field where they match nowhere costs one branch.
    if (blocchi) {
        const qsizetype seguente = n >= 2 ? 1 : 0;
        const v16 a0 = v16{} + iniziali[0][0], a1 = v16{} + iniziali[0][1];
        const v16 b0 = v16{} + iniziali[1][0], b1 = v16{} + iniziali[1][1];
        auto maschera = [&](qsizetype k) {
            const v16 v = carica(campo + k);
            v16 m = (v16)(v == a0) | (v16)(v == a1);
            if (seguente) {
                const v16 w = carica(campo + k + 1);
                m &= (v16)(w == b0) | (v16)(w == b1);
            }
            return m;
        };
        // Only the places where both characters match are compared in full, one bit each.
        for (; i <= ultimo && i + 16 + seguente <= larghezza; i += 16)
            for (unsigned b = bit(maschera(i)); b != 0; b &= b - 1) {
                const qsizetype j = i + __builtin_ctz(b);
                if (j <= ultimo && confronta(campo + j))
                    return true;
            }
    }
#endif
    for (; i <= ultimo; ++i)
        if (confronta(campo + i))
            return true;
    return false;
}
