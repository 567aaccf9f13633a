#include "ledger/saldi.h"

#include "store/filemese.h"
#include "store/movimento.h"

namespace {

constexpr qint16 tutti = 1;

// Adds the movements of one month file, filtering on the raw record fields.
void sommamese(const QByteArray &dati, int mese, qint16 ditta, qint16 conto, SaldiAnno &s) {
    const qsizetype n = dati.size() / movimento::dimensione;
    const char *r = dati.constData();
    for (qsizetype i = 0; i < n; ++i, r += movimento::dimensione) {
        if (movimento::ditta(r) != ditta) continue;
        const qint16 segno = movimento::segno(r);
        if (segno == movimento::cancellato) continue;
        if (conto != tutti && movimento::conto(r) != conto) continue;
        if (segno == movimento::entrata) {
            s.entratemese[mese] += movimento::importo(r);
        } else if (segno == movimento::uscita) {
            s.uscitemese[mese] += movimento::importo(r);
        }
    }
    s.entratemese[0] += s.entratemese[mese];
    s.uscitemese[0] += s.uscitemese[mese];
}

} // namespace

Esito calcolasaldi(const QString &percorso, const QString &anno, qint16 ditta, qint16 conto,
                   SaldiAnno &saldi) {
    saldi = SaldiAnno();
    QByteArray dati;
    for (int m = 1; m <= 12; ++m) {
        if (Esito e = leggimesegrezzo(percorsomese(percorso, m, anno), dati); !e) return e;
        sommamese(dati, m, ditta, conto, saldi);
    }
    return {};
}
