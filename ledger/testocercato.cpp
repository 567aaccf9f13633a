#include "ledger/testocercato.h"

#include "store/codepage.h"

#include <QByteArray>

namespace {

// The case-folded character of every byte of the code page.
const std::array<char16_t, 256> &piegati() {
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
bool bianco(char16_t c) {
    return c == u' ' || c == u'\0';
}

} // namespace

TestoCercato::TestoCercato(const QString &testo) {
    const QString piegato = testo.toCaseFolded();
    for (QChar c : piegato)
        ago.push_back(c.unicode());
    if (ago.empty()) return;
    for (size_t k = 0; k < iniziali.size() && k < ago.size(); ++k)
        for (int b = 0; b < 256; ++b)
            if (piegati()[size_t(b)] == ago[k])
                iniziali[k].push_back(static_cast<unsigned char>(b));
    // A match can reach into the padding only through a blank at one end of the text.
    rifila = bianco(ago.front()) || bianco(ago.back());
}

bool TestoCercato::confronta(const unsigned char *inizio) const {
    const auto &t = piegati();
    for (size_t j = 0; j < ago.size(); ++j)
        if (t[inizio[j]] != ago[j]) return false;
    return true;
}

#if defined(__GNUC__)
namespace {
typedef unsigned char v16 __attribute__((vector_size(16)));
typedef unsigned long long v2 __attribute__((vector_size(16)));

// The positions of the sixteen bytes from p that are one of the given bytes.
v16 uguali(const unsigned char *p, const std::vector<unsigned char> &byte) {
    v16 v;
    __builtin_memcpy(&v, p, sizeof v);
    v16 m = {};
    for (unsigned char b : byte)
        m |= (v16)(v == b);
    return m;
}

bool qualcuno(v16 m) {
    const v2 w = (v2)m;
    return (w[0] | w[1]) != 0;
}
} // namespace
#endif

bool TestoCercato::cerca(const unsigned char *campo, qsizetype larghezza) const {
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
    // Sixteen places at a time: only where the first two characters match is the rest compared.
    const bool due = n >= 2;
    for (; i <= ultimo && i + 16 + (due ? 1 : 0) <= larghezza; i += 16) {
        v16 m = uguali(campo + i, iniziali[0]);
        if (due) m &= uguali(campo + i + 1, iniziali[1]);
        if (!qualcuno(m)) continue;
        for (qsizetype j = i; j < i + 16 && j <= ultimo; ++j)
            if (m[j - i] && confronta(campo + j)) return true;
    }
#endif
    for (; i <= ultimo; ++i)
        if (confronta(campo + i)) return true;
    return false;
}
