// Start-up of the real program, as a separate process: wall time from the process start to the
// main window shown, and peak memory after loading the whole year of the benchmark archive.
#include "archivio.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A home whose settings file points at the benchmark archive.
QString casabench()
{
    static QTemporaryDir casa;
    QDir().mkpath(casa.path() + "/quaderoladati");
    QFile f(casa.path() + "/quaderoladati/impoqx.txt");
    if (f.open(QIODevice::WriteOnly))
        f.write("\"" + archiviobench().toLocal8Bit() + "\"\r\n");
    return casa.path();
}

// Runs the program once; returns its peak resident memory in KiB, or -1.
long avvia(const char *misura, const QString &casa)
{
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("HOME", casa.toLocal8Bit().constData(), 1);
        setenv("QUADEROLA_MISURA_AVVIO", misura, 1);
        if (!getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(PROGRAMMA, PROGRAMMA, static_cast<char *>(nullptr));
        _exit(127);
    }
    int stato = 0;
    struct rusage uso = {};
    if (pid < 0 || wait4(pid, &stato, 0, &uso) != pid || !WIFEXITED(stato) ||
        WEXITSTATUS(stato) != 0)
        return -1;
    return uso.ru_maxrss;
}

void Avvio(benchmark::State &stato)
{
    const QString casa = casabench();
    for (auto _ : stato) {
        const auto inizio = std::chrono::steady_clock::now();
        if (avvia("mostra", casa) < 0) {
            stato.SkipWithError("the program did not start");
            return;
        }
        stato.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count());
    }
}
BENCHMARK(Avvio)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void MemoriaAnno(benchmark::State &stato)
{
    const QString casa = casabench();
    long picco = 0;
    for (auto _ : stato)
        picco = std::max(picco, avvia("anno", casa));
    if (picco < 0)
        stato.SkipWithError("the program did not start");
    stato.counters["peak_MiB"] = double(picco) / 1024.0;
}
BENCHMARK(MemoriaAnno)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
