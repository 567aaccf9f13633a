// The descriptions the entry window offers, counted over the year of one company, against the
// ledger load of the same year it may cost no more than. Each is timed against a floor read
// made just before it in the same iteration, so the ratios hold on a busy machine.
#include "archivio.h"

#include "ledger/descrizioni.h"
#include "ledger/elabora.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>

namespace {

const QString anno = QStringLiteral("26");
using orologio = std::chrono::steady_clock;

void controfloor(benchmark::State &stato, const std::function<bool()> &lavoro)
{
    const QString radice = archiviobench();
    if (radice.isEmpty())
        return stato.SkipWithError("no benchmark archive");
    orologio::duration letture{}, lavori{};
    for (auto _ : stato) {
        stato.PauseTiming();
        const auto inizio = orologio::now();
        benchmark::DoNotOptimize(leggifilemese(radice, anno));
        const auto letto = orologio::now();
        stato.ResumeTiming();
        if (!lavoro())
            return stato.SkipWithError("a month file could not be read");
        lavori += orologio::now() - letto;
        letture += letto - inizio;
    }
    stato.counters["xpavimento"] = double(lavori.count()) / double(letture.count());
}

void descrizioni(benchmark::State &stato)
{
    DescrizioniUsate d;
    controfloor(stato, [&] { return bool(descrizioniusate(archiviobench(), anno, 1, d)); });
    stato.counters["offerte"] = double(d.descrizione[0].size() + d.descrizione[1].size());
}

// The ledger of the whole year of the cash account, which the entry window is opened from.
void registroanno(benchmark::State &stato)
{
    FiltroMese f;
    f.percorso = archiviobench();
    f.annogestione = anno;
    f.dittacorrente = 1;
    TabellaMese t;
    controfloor(stato, [&] { return bool(elabora(t, f)); });
}

} // namespace

BENCHMARK(descrizioni)->Unit(benchmark::kMillisecond);
BENCHMARK(registroanno)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
