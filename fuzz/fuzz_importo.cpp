// The amount box of the entry window, any text: never a crash, never a silent wrap-around, and
// what the window shows ("fixed" with a point) and the Italian text read back as the same amount.
#include "cartellafuzz.h"
#include "ledger/importo.h"
#include "platform/soldi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QString testo = QString::fromLatin1(reinterpret_cast<const char *>(dati), qsizetype(n));
    const std::optional<Importo> i = importodigitato(testo);
    if (!i)
        return 0;
    if (i->fuoriscala) {
        FUZZ_CHECK(i->valore == 0 && !i->zero);
        return 0;
    }
    // At most four decimals: a text that is not zero is never stored as zero.
    FUZZ_CHECK(i->zero == (i->valore == 0));
    if (i->valore % 100 == 0) {
        // Two decimals or fewer: both texts read back exactly.
        for (const QString &scritto : {fixedpunto(i->valore), fixedvirgola(i->valore)}) {
            const std::optional<Importo> r = importodigitato(scritto);
            FUZZ_CHECK(r && !r->fuoriscala && r->valore == i->valore);
        }
    }
    return 0;
}
