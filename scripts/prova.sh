#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUADEROLA_BUILD_TESTS=ON \
      -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/test -j2
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 60
