// An account list of any bytes: one trimmed name per whole 50-byte record.
#include "cartellafuzz.h"
#include "store/conti.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    scrivifuzz("listconto", dati, n);
    QStringList nomi;
    FUZZ_CHECK(leggiconti(radicefuzz(), nomi));
    FUZZ_CHECK(size_t(nomi.size()) == n / 50);
    for (const QString &nome : nomi)
        FUZZ_CHECK(nome.size() <= 50 && !nome.startsWith(' ') && !nome.endsWith(' '));
    qint32 numero = 0;
    FUZZ_CHECK(aggiungiconto(radicefuzz(), "Nuovo", &numero) && numero == nomi.size() + 1);
    return 0;
}
