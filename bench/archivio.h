#pragma once

#include <QString>

// The data root of the benchmark archive: 12 month files of 10,000 movements of year "26",
// 3 companies, 4 accounts. QUADEROLA_BENCH_ROOT names an archive made beforehand; otherwise the
// generator writes one into a temporary folder, once per process. Empty on failure.
QString archiviobench();

// A copy of the archive's data folder, made once per process, so that the files a benchmark
// writes never land in an archive named by QUADEROLA_BENCH_ROOT. Empty on failure.
QString copiaarchivio();

// Reads the twelve month files whole into memory: the floor any loader is measured against.
qint64 leggifilemese(const QString &percorso, const QString &anno);
