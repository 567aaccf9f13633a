// The payments due window opened over 5,000 one-off items and 200 monthly series without an
// end, a fifth of the items settled by movements of the 120,000-record archive: the file read,
// the occurrences of the series up to a year ahead, the settlements looked up in the month
// files, the list filled and the balance ahead projected, the window shown and drawn.
#include "app/stato.h"
#include "archivio.h"
#include "finestra.h"
#include "platform/date.h"
#include "store/scadenze.h"
#include "windows/scadenze/formscadenze.h"

#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr qint16 ditta = 1;

bool scriviscadenze(const QString &radice)
{
    const QDate g = oggi();
    for (int i = 0; i < 5200; ++i) {
        const bool serie = i >= 5000;
        const Scadenza s{g.addDays(i % 400 - 100),
                         qint16(i % 2),
                         (i + 1) * 10000,
                         QStringLiteral("Fornitore %1").arg(i % 300),
                         QStringLiteral("Fattura %1").arg(i),
                         0,
                         qint16(2 + i % 3),
                         qint16(serie ? 1 : 0),
                         0,
                         i % 7 == 0};
        qint32 voce = 0;
        if (!creascadenza(radice, ditta, s, &voce))
            return false;
        bool gia = false;
        const Conferma c{2026, qint16(1 + i % 12), i + 1, 1, 0, 10000};
        if (i % 5 == 0 &&
            !saldascadenza(
                radice, ditta, voce, 0, c, [](const Conferma &) { return false; }, gia))
            return false;
    }
    return true;
}

void apertura(benchmark::State &s)
{
    const QString radice = copiaarchivio();
    if (radice.isEmpty())
        return s.SkipWithError("no archive");
    QFile::remove(radice + "quaderoladati/scadenze");
    if (!scriviscadenze(radice))
        return s.SkipWithError("write failed");
    stato().percorso = radice, stato().dittacorrente = ditta, stato().annogestione = "26";
    s.counters["righe"] = aprifinestra(
        s, [] { return new Formscadenze; }, "elenco");
}

// The machine is shared: the fastest of the repetitions is the figure least disturbed.
double minimo(const std::vector<double> &v)
{
    return *std::min_element(v.begin(), v.end());
}

} // namespace

BENCHMARK(apertura)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimo);

int main(int argc, char **argv)
{
    return eseguifinestre(argc, argv);
}
