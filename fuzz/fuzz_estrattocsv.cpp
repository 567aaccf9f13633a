// The text-export reader, any bytes: rows with real dates or a reason, never a crash or a hang.
#include "cartellafuzz.h"
#include "store/estrattoformati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    QList<Estratto> pezzi;
    const QByteArray byte =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dati), qsizetype(n));
    const Esito esito = leggicsv(byte, QStringLiteral("estratto.csv"), pezzi);
    FUZZ_CHECK(esito || !esito.motivo.isEmpty());
    static const QStringList stati{"saldo iniziale", "saldo finale", "saldo", "totale",
                                   "non contabilizzato"};
    for (const Estratto &e : pezzi) {
        for (const RigaEstratto &r : e.righe)
            FUZZ_CHECK(r.data.isValid());
        // Every line that is no movement has its class; what is missing is never negative.
        for (const RigaEsclusa &r : e.escluse)
            FUZZ_CHECK(stati.contains(r.stato));
        FUZZ_CHECK(e.scarto.value_or(0) >= 0);
    }
    return 0;
}
