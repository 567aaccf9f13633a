#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests.
#   scripts/sanitizzati.sh          the whole suite (a full second build: several minutes)
#   scripts/sanitizzati.sh nucleo   only the data layer and its fuzz-corpus replays (quick; CI)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh test
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DQUADEROLA_SANITIZE=ON -DQUADEROLA_BUILD_TESTS=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
if [ "${1:-}" = nucleo ]; then
    cmake --build build/asan -j2 --target ripetizioni
    cd build/asan && ctest --output-on-failure -R fuzzcorpus
else
    cmake --build build/asan -j2
    cd build/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
fi
