// A settings file of any bytes: always some data root, never one spanning lines.
#include "cartellafuzz.h"
#include "store/impostazioni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QByteArray byte(reinterpret_cast<const char *>(dati), qsizetype(n));
    const QString radice = analizzapercorso(byte);
    FUZZ_CHECK(!radice.trimmed().isEmpty());
    FUZZ_CHECK(!radice.contains('\n') && !radice.contains('\r'));
    return 0;
}
