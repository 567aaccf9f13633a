#!/usr/bin/env bash
# Remakes the pictures of the user guide kept in docs/guida/, the copies that the repository
# shows beside the pages and that a cross build (which cannot run the program fotografie) puts
# into the program: builds fotografie and lets it photograph the real windows, offscreen, on its
# own sample archive. A picture no page names any more is removed.
# Usage: scripts/immagini.sh [build folder]   (default build/test; configured when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
cartella="${1:-build/test}"
scripts/dipendenze.sh build
if [ ! -f "$cartella/CMakeCache.txt" ]; then
    cmake -S . -B "$cartella" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUADEROLA_BUILD_TESTS=OFF
fi
cmake --build "$cartella" -j2 --target fotografie
# The pictures the pages name, as ![...](name.png), the same rule as docs/guida/CMakeLists.txt.
immagini=($(grep -ho '([a-z0-9-]*\.png)' docs/guida/*.md | tr -d '()' | sort -u))
QT_QPA_PLATFORM=offscreen "$cartella/docs/guida/fotografie" docs/guida "${immagini[@]}"
for f in docs/guida/*.png; do
    [[ " ${immagini[*]} " == *" $(basename "$f") "* ]] || rm -v "$f"
done
echo "${#immagini[@]} pictures remade in docs/guida"
