#include "finestra.h"

#include <QApplication>
#include <QTableWidget>

int aprifinestra(benchmark::State &s, const std::function<QWidget *()> &crea, const char *griglia)
{
    int righe = 0;
    for (auto _ : s) {
        QWidget *f = crea();
        f->show();
        QApplication::processEvents(); // laid out and drawn, as on screen
        righe = f->findChild<QTableWidget *>(griglia)->rowCount();
        s.PauseTiming(); // closing is not opening
        delete f;
        s.ResumeTiming();
    }
    return righe;
}

int eseguifinestre(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
