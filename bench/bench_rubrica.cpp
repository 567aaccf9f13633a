// One keystroke of the address book's name search over 20,000 contacts: the file read, the
// match on every name and the result list filled and drawn, through the real window.
#include "app/stato.h"
#include "store/rubrica.h"
#include "windows/rubrica/formproduttore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int contatti = 20000;

// Varied names, so that prefixes select as they would in a real book.
bool scrivirubrica()
{
    const QStringList cognomi = {"Rossi", "Bianchi", "Romano", "Colombo", "Ricci",    "Marino",
                                 "Greco", "Bruno",   "Gallo",  "Conti",   "Esposito", "Costa"};
    const QStringList forme = {"Srl", "Spa", "Snc", "& Figli", "Sas"};
    QByteArray tutto;
    tutto.reserve(qsizetype(contatti) * contatto::dimensione);
    for (int i = 0; i < contatti; ++i) {
        Contatto c;
        c.ragionesociale = QStringLiteral("%1 %2 %3")
                               .arg(cognomi[(i * 7) % cognomi.size()])
                               .arg(i)
                               .arg(forme[i % forme.size()]);
        c.indirizzo = QStringLiteral("Via Roma %1").arg(i % 200);
        c.citta = QStringLiteral("Torino");
        c.cap = QStringLiteral("10100");
        tutto += contatto::codifica(c);
    }
    QDir().mkpath(QDir::homePath() + "/quaderoladati");
    QFile f(QDir::homePath() + "/quaderoladati/rubrica");
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(tutto) == tutto.size();
}

// Types alternately a and b into the search box: every iteration is one change of its text.
void battuta(benchmark::State &state, const QString &a, const QString &b)
{
    Formproduttore finestra;
    finestra.show();
    finestra.attivacerca();
    auto *cerca = finestra.findChild<QLineEdit *>("Textcerca");
    auto *lista = finestra.findChild<QListWidget *>("Listacerca");
    QApplication::processEvents();
    bool pari = false;
    for (auto _ : state) {
        cerca->setText((pari = !pari) ? a : b);
        QApplication::processEvents(); // the list is laid out and drawn, as on screen
        benchmark::DoNotOptimize(lista->count());
    }
    state.counters["righe"] = lista->count();
}

// No name matches: every record is read and compared.
void BM_battuta_nessuntrovato(benchmark::State &state)
{
    battuta(state, "ZQ", "ZX");
}
// An empty search text: the first 1000 contacts fill the list.
void BM_battuta_millerighe(benchmark::State &state)
{
    battuta(state, "", " ");
}
// A two-letter prefix that many names share.
void BM_battuta_prefisso(benchmark::State &state)
{
    battuta(state, "RO", "Ro");
}

BENCHMARK(BM_battuta_nessuntrovato)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_battuta_millerighe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_battuta_prefisso)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir casa;
    qputenv("HOME", QFile::encodeName(casa.path()));
    QApplication app(argc, argv);
    stato().percorso = QStringLiteral("c:");
    if (!scrivirubrica()) {
        std::fprintf(stderr, "cannot write the address book\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
