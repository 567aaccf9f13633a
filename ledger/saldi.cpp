#include "ledger/saldi.h"

#include "store/filemese.h"
#include "store/movimento.h"

namespace {

constexpr qint16 tutti = 1;

// Adds a block of records to the month, filtering on the raw record fields. Without branches:
// companies and signs alternate at random in a file, and mispredicted jumps would cost more
// than reading it.
void somma(const char *r, qsizetype n, qint16 ditta, qint16 conto, qint64 &entrate, qint64 &uscite)
{
    const quint32 maschera = conto == tutti ? 0xFFFF0000u : 0xFFFFFFFFu;
    const quint32 chiave = (quint32(quint16(ditta)) << 16 | quint16(conto)) & maschera;
    qint64 e = 0, u = 0; // in registers: the records are bytes, which may alias the totals
    for (qsizetype i = 0; i < n; ++i, r += movimento::dimensione) {
        const bool conta = (movimento::contoditta(r) & maschera) == chiave;
        const qint64 importo = movimento::importo(r) & -qint64(conta);
        const qint16 segno = movimento::segno(r);
        e += importo & -qint64(segno == movimento::entrata);
        u += importo & -qint64(segno == movimento::uscita); // deleted: neither
    }
    entrate += e;
    uscite += u;
}

} // namespace

Esito calcolasaldi(const QString &percorso, const QString &anno, qint16 ditta, qint16 conto,
                   SaldiAnno &saldi)
{
    saldi = SaldiAnno();
    for (int m = 1; m <= 12; ++m) {
        qint64 &entrate = saldi.entratemese[m];
        qint64 &uscite = saldi.uscitemese[m];
        const Esito e = leggimeseablocchi(percorsomese(percorso, m, anno),
                                          [&](const char *record, qsizetype n) {
                                              somma(record, n, ditta, conto, entrate, uscite);
                                          });
        if (!e)
            return e;
        saldi.entratemese[0] += entrate;
        saldi.uscitemese[0] += uscite;
    }
    return {};
}
