// An address book of any bytes: whole 306-byte records only, each field within its width.
#include "cartellafuzz.h"
#include "store/rubrica.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    scrivifuzz("rubrica", dati, n);
    QList<Contatto> tutti;
    FUZZ_CHECK(leggicontatti(radicefuzz(), tutti));
    FUZZ_CHECK(size_t(tutti.size()) == n / 306);
    for (const Contatto &c : tutti) {
        for (const contatto::Campo &campo : contatto::campi)
            FUZZ_CHECK((c.*campo.membro).size() <= campo.larghezza);
        FUZZ_CHECK(contatto::decodifica(contatto::codifica(c).constData()) == c);
    }
    QByteArray grezzo;
    FUZZ_CHECK(leggirubricagrezza(radicefuzz(), grezzo) && size_t(grezzo.size()) == n / 306 * 306);
    for (qsizetype p = 0; p < grezzo.size(); p += 306)
        FUZZ_CHECK(contatto::ragionesociale(grezzo.constData() + p) ==
                   tutti[p / 306].ragionesociale);
    return 0;
}
