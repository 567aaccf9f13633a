// The Excel 97-2003 reader, any bytes: rows with real dates or a reason, never a crash or a
// hang.
#include "cartellafuzz.h"
#include "store/estrattoformati.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    QList<Estratto> pezzi;
    const QByteArray byte =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dati), qsizetype(n));
    const Esito esito = leggixls(byte, QStringLiteral("estratto.xls"), pezzi);
    FUZZ_CHECK(esito || !esito.motivo.isEmpty());
    for (const Estratto &e : pezzi)
        for (const RigaEstratto &r : e.righe)
            FUZZ_CHECK(r.data.isValid());
    return 0;
}
