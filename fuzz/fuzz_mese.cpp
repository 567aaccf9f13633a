// A month file of any bytes: every reader ignores the trailing partial record, decodes every
// whole one, and an append after it lands exactly at count x 118.
#include "cartellafuzz.h"
#include "store/filemese.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    scrivifuzz("mov0126", dati, n);
    const QString file = percorsomese(radicefuzz(), 1, "26");
    QList<Movimento> tutti;
    FUZZ_CHECK(leggimovimenti(file, tutti));
    FUZZ_CHECK(size_t(tutti.size()) == n / 118);
    qint32 contati = -1;
    FUZZ_CHECK(contamovimenti(file, contati) && contati == tutti.size());
    for (qint32 i = 1; i <= contati && i <= 4; ++i) {
        Movimento m;
        FUZZ_CHECK(leggimovimento(file, i, m) && m == tutti[i - 1]);
        FUZZ_CHECK(m.descrizione1.size() <= 50 && m.descrizione2.size() <= 50);
    }
    if (contati > 0) {
        // Re-encoding what was decoded gives a record of the right size that decodes the same.
        const QByteArray r = movimento::codifica(tutti[0]);
        FUZZ_CHECK(r.size() == 118);
        FUZZ_CHECK(movimento::decodifica(r.constData()) == tutti[0]);
    }
    qint32 numero = 0;
    FUZZ_CHECK(aggiungimovimento(file, Movimento(), &numero) && numero == contati + 1);
    FUZZ_CHECK(QFileInfo(radicefuzz() + "quaderoladati/mov0126").size() == qint64(numero) * 118);
    return 0;
}
