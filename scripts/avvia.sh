#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh build
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUADEROLA_BUILD_TESTS=OFF
cmake --build build/release -j2
exec build/release/quaderola "$@"
