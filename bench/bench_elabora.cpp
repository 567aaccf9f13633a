// The month ledger on the benchmark archive, against the floor of reading the twelve month
// files whole.
#include "archivio.h"

#include "ledger/elabora.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

const QString anno = QStringLiteral("26");

void pavimento(benchmark::State &stato) {
    const QString radice = archiviobench();
    for (auto _ : stato)
        benchmark::DoNotOptimize(leggifilemese(radice, anno));
}

void carica(benchmark::State &stato, qint16 conto, qint16 mese, const QString &cercato) {
    FiltroMese f;
    f.percorso = archiviobench();
    f.annogestione = anno;
    f.dittacorrente = 1;
    f.contocorrente = conto;
    f.mesecorrente = mese;
    f.ricerca[0] = cercato;
    TabellaMese t;
    for (auto _ : stato) {
        if (!elabora(t, f)) stato.SkipWithError("a month file could not be read");
        benchmark::DoNotOptimize(t.numerorighe);
    }
    stato.counters["righe"] = t.numerorighe;
    stato.counters["escluse"] = t.righescartate;
}

} // namespace

BENCHMARK(pavimento)->Name("leggifilemese/anno")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, anno_tutti, 1, 0, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, anno_cassa, 2, 0, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, dicembre_cassa, 2, 12, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(carica, anno_tutti_rossi, 1, 0, QStringLiteral("rossi"))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
