// A bank's text of any bytes, alone, beside a kind or beside a name: the movement it becomes
// has both descriptions, none past the 50 bytes of its field.
#include "cartellafuzz.h"
#include "ledger/importazione.h"
#include "store/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QString testo = QString::fromUtf8(reinterpret_cast<const char *>(dati), qsizetype(n));
    const QString meta = testo.left(testo.size() / 2), resto = testo.mid(testo.size() / 2);
    for (const auto &[d1, d2] :
         {std::pair{testo, QString()}, {QString("PagoBancomat POS"), testo}, {meta, resto}}) {
        const Movimento m =
            movimentoestratto({QDate(2026, 3, 2), -100, d1, d2}, 2, 1, Nomicontatti(), Regole());
        for (const QString &d : {m.descrizione1, m.descrizione2})
            FUZZ_CHECK(!d.isEmpty() && codificatesto(d).size() <= 50);
    }
    return 0;
}
