// The month ledger on the benchmark archive, against the floor of reading the twelve month
// files whole. Each load is also timed against a floor read made just before it in the same
// iteration, so the ratio ("xpavimento") holds even on a busy machine.
#include "archivio.h"

#include "ledger/elabora.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

const QString anno = QStringLiteral("26");
using orologio = std::chrono::steady_clock;

void pavimento(benchmark::State &stato)
{
    const QString radice = archiviobench();
    if (radice.isEmpty())
        stato.SkipWithError("no benchmark archive");
    for (auto _ : stato)
        benchmark::DoNotOptimize(leggifilemese(radice, anno));
}

void carica(benchmark::State &stato, qint16 conto, qint16 mese, const QString &cercato)
{
    FiltroMese f;
    f.percorso = archiviobench();
    f.annogestione = anno;
    f.dittacorrente = 1;
    f.contocorrente = conto;
    f.mesecorrente = mese;
    f.ricerca[0] = cercato;
    TabellaMese t;
    orologio::duration letture{}, carichi{};
    for (auto _ : stato) {
        stato.PauseTiming();
        const auto inizio = orologio::now();
        benchmark::DoNotOptimize(leggifilemese(f.percorso, anno));
        const auto letto = orologio::now();
        stato.ResumeTiming();
        if (!elabora(t, f))
            stato.SkipWithError("a month file could not be read");
        benchmark::DoNotOptimize(t.numerorighe);
        carichi += orologio::now() - letto;
        letture += letto - inizio;
    }
    stato.counters["righe"] = t.numerorighe;
    stato.counters["escluse"] = t.righescartate;
    stato.counters["xpavimento"] = double(carichi.count()) / double(letture.count());
}

} // namespace

BENCHMARK(pavimento)->Name("leggifilemese/anno")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, anno_tutti, 1, 0, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, anno_cassa, 2, 0, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, dicembre_cassa, 2, 12, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, anno_tutti_rossi, 1, 0, QStringLiteral("rossi"))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
