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
# The first Windows program of a prefix starts wineserver and Wine's services, which would
# inherit the pipes of whichever test came first and keep CTest waiting on it until they
# quit: started here, outside CTest, they stay up for the whole run.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p
"$vino" cmd /c exit </dev/null >/dev/null 2>&1 || true
# Wine itself is less steady than Windows: a service started by a test after those (on first
# use) inherits that test's pipes, and CTest then waits on a test that has passed until its time
# runs out; one of the hundreds of processes a test starts may fail to start under load. So a
# test failing under Wine runs once more and must pass then; the Linux suite gets no second run.
esito=0
(cd build/windows && ctest --output-on-failure -j2 --timeout 60 --repeat until-pass:2 "$@") ||
    esito=$?
/usr/lib/wine/wineserver -k 2>/dev/null || true
if [ -e "$WINEPREFIX/drive_c/quaderoladati" ]; then
    echo "a test wrote to the real C:\\quaderoladati" >&2
    exit 1
fi
exit $esito
