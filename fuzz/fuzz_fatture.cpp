// The electronic-invoice reader, any bytes: every file an entry with a reason or its invoices,
// and every item dated, never a crash or a hang.
#include "cartellafuzz.h"
#include "ledger/fatture.h"
#include "store/fattura.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QByteArray byte =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dati), qsizetype(n));
    const QList<FileFattura> file = leggifatture(byte, QStringLiteral("fattura.xml"));
    FUZZ_CHECK(!file.isEmpty());
    for (const FileFattura &f : file) {
        FUZZ_CHECK(f.genere != Genere::illeggibile || !f.motivo.isEmpty());
        FUZZ_CHECK(f.genere != Genere::fatture || !f.fatture.isEmpty());
        for (const Fattura &fattura : f.fatture)
            for (const Lato lato : {Lato::cedente, Lato::cessionario})
                for (const Voce &v : vocifattura(fattura, lato))
                    FUZZ_CHECK(v.scadenza.isValid() && v.importo != 0);
    }
    return 0;
}
