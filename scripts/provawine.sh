#!/usr/bin/env bash
# Runs the suite that scripts/windows.sh cross-built, under Wine: offscreen, with the Qt and
# MinGW DLLs found through WINEPATH, each test's "c:" in a temporary folder of its own
# (QUADEROLA_CASA, set by the tests). CTest lists each program's tests under Wine first.
# Usage: scripts/provawine.sh [ctest options, e.g. -R Condiviso]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/vino.sh
qt=${QUADEROLA_QT_MINGW:-$PWD/build/qt6-mingw}
cartelle=("$qt/bin" build/windows/terzi/bin /usr/lib/gcc/x86_64-w64-mingw32/12-posix
          /usr/x86_64-w64-mingw32/lib)
WINEPATH=""
for c in "${cartelle[@]}"; do
    WINEPATH+="$(percorsowindows "$c");"
done
export WINEPATH
QT_PLUGIN_PATH=$(percorsowindows "$qt/plugins")
export QT_PLUGIN_PATH QT_QPA_PLATFORM=offscreen
(cd build/windows && ctest --output-on-failure -j2 --timeout 60 "$@")
if [ -e "$WINEPREFIX/drive_c/quaderoladati" ]; then
    echo "a test wrote to the real C:\\quaderoladati" >&2
    exit 1
fi
