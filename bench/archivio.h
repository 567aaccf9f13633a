#pragma once

#include <QString>

// The data root of the benchmark archive: 12 month files of 10,000 movements of year "26",
// 3 companies, 4 accounts. QUADEROLA_BENCH_ROOT names an archive made beforehand; otherwise the
// generator writes one into a temporary folder, once per process. Empty on failure.
QString archiviobench();

// Reads the twelve month files whole into memory: the floor any loader is measured against.
qint64 leggifilemese(const QString &percorso, const QString &anno);
