// The monthly balances of one company and account over the twelve-file archive, against the
// floor of reading the same files whole.
#include "archivio.h"
#include "ledger/saldi.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

void pavimento(benchmark::State &stato)
{
    const QString radice = archiviobench();
    if (radice.isEmpty())
        return stato.SkipWithError("no archive");
    for (auto _ : stato)
        benchmark::DoNotOptimize(leggifilemese(radice, "26"));
}

// conto 1 is every account, 2 the cash account alone.
void saldi(benchmark::State &stato)
{
    const QString radice = archiviobench();
    if (radice.isEmpty())
        return stato.SkipWithError("no archive");
    const qint16 conto = qint16(stato.range(0));
    SaldiAnno s;
    for (auto _ : stato) {
        if (!calcolasaldi(radice, "26", 1, conto, s))
            return stato.SkipWithError("read failed");
        benchmark::DoNotOptimize(s);
    }
}

} // namespace

// The machine is shared: the fastest of the repetitions is the figure least disturbed.
double minimo(const std::vector<double> &v)
{
    return *std::min_element(v.begin(), v.end());
}

BENCHMARK(pavimento)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimo);
BENCHMARK(saldi)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimo);
BENCHMARK_MAIN();
