// A reconciliation file of any bytes: reading it never fails nor keeps more than its whole
// records hold, and a confirmation kept afterwards lands at count x 64 and is read back.
#include "cartellafuzz.h"
#include "store/quadrature.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    scrivifuzz("quadrature", dati, n);
    Conferme c;
    FUZZ_CHECK(leggiconferme(radicefuzz(), 1, 3, c));
    FUZZ_CHECK(size_t(c.confermate.size()) <= n / 64);
    if (c.estratto)
        FUZZ_CHECK(c.estratto->data.isValid() && c.estratto->banca.size() <= 38);
    const Conferma nuova{2026, 12, 1, 31, 1, 5};
    FUZZ_CHECK(registraconferme(radicefuzz(), 1, 3, {nuova}));
    const QFileInfo file(radicefuzz() + "quaderoladati/quadrature");
    FUZZ_CHECK(file.size() == qint64(n / 64 + 1) * 64);
    FUZZ_CHECK(leggiconferme(radicefuzz(), 1, 3, c) && c.confermate.contains(nuova));
    return 0;
}
