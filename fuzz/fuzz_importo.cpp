// The amount box of the entry window, any text: never a crash, never a silent wrap-around, and
// what "fixed" writes reads back as the same amount.
#include "cartellafuzz.h"
#include "ledger/importo.h"
#include "platform/soldi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QString testo = QString::fromLatin1(reinterpret_cast<const char *>(dati), qsizetype(n));
    const Importo i = leggiimporto(testo);
    if (i.fuoriscala)
        FUZZ_CHECK(i.valore == 0 && !i.zero);
    if (i.zero)
        FUZZ_CHECK(i.valore == 0);
    if (!i.fuoriscala && i.valore % 100 == 0) {
        // Two decimals or fewer: the point text of the entry window reads back exactly.
        const Importo r = leggiimporto(fixedpunto(i.valore));
        FUZZ_CHECK(!r.fuoriscala && r.valore == i.valore);
    }
    return 0;
}
