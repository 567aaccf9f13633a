// The reconciliation window opened on an account of the 120,000-record archive: the file of
// statements and confirmations read, the year's month files read up to the statement's date, the
// book's balance summed and the open movements listed, the window shown and drawn.
#include "app/stato.h"
#include "archivio.h"
#include "finestra.h"
#include "ledger/quadratura.h"
#include "store/filemese.h"
#include "store/movimento.h"
#include "windows/riconcilia/formriconcilia.h"

#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr qint16 ditta = 1, conto = 3;

// A statement of 31 December and the account's movements of the year confirmed but aperti in
// every 50: one for an account reconciled month by month, all of them for one never reconciled.
bool scriviquadrature(const QString &radice, int aperti)
{
    QFile::remove(radice + "quaderoladati/quadrature");
    QList<Conferma> confermate;
    int visti = 0;
    for (int m = 1; m <= 12; ++m) {
        QList<Movimento> mese;
        if (!leggimovimenti(percorsomese(radice, m, "26"), mese))
            return false;
        for (qint32 i = 0; i < mese.size(); ++i) {
            const Movimento &x = mese[i];
            if (x.ditta == ditta && x.conto == conto && x.segno != movimento::cancellato &&
                ++visti % 50 >= aperti)
                confermate.append({2026, qint16(m), i + 1, x.giorno, x.segno, x.importo});
        }
    }
    return bool(registraestratto(radice, ditta, conto, "IT60X0542811101000000123456",
                                 QDate(2026, 12, 31), 0, confermate));
}

// Arg: how many movements in 50 are open.
void riconcilia(benchmark::State &s)
{
    const QString radice = copiaarchivio();
    if (radice.isEmpty() || !scriviquadrature(radice, int(s.range(0))))
        return s.SkipWithError("no archive");
    stato().percorso = radice, stato().dittacorrente = ditta, stato().contocorrente = conto;
    stato().annogestione = "26"; // the year of the statement, which the window reconciles
    s.counters["aperti"] = aprifinestra(
        s, [] { return new Formriconcilia; }, "aperti");
}

// The reading alone: the file of statements and confirmations and the year up to the date.
void lettura(benchmark::State &s)
{
    const QString radice = copiaarchivio();
    if (radice.isEmpty() || !scriviquadrature(radice, int(s.range(0))))
        return s.SkipWithError("no archive");
    Quadratura q;
    for (auto _ : s)
        if (!quadratura(radice, ditta, conto, q))
            return s.SkipWithError("read failed");
}

// The machine is shared: the fastest of the repetitions is the figure least disturbed.
double minimo(const std::vector<double> &v)
{
    return *std::min_element(v.begin(), v.end());
}

} // namespace

BENCHMARK(riconcilia)
    ->Arg(1)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);
BENCHMARK(lettura)
    ->Arg(1)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimo);

int main(int argc, char **argv)
{
    return eseguifinestre(argc, argv);
}
