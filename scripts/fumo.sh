#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program under Xvfb, waits for
# its window "Quaderola 1.0", saves a screenshot and closes it. Needs root (or sudo).
# Usage: scripts/fumo.sh [screenshot.png [build folder]]
# A build folder already configured with the /usr prefix (as scripts/prova.sh leaves build/test)
# is packaged as it is; by default a Release build is made in build/pacchetto.
set -euo pipefail
cd "$(dirname "$0")/.."
foto="${1:-build/fumo.png}"
cartella="${2:-build/pacchetto}"
sudo_=""
[ "$(id -u)" -ne 0 ] && sudo_="sudo"

scripts/dipendenze.sh test
for p in dpkg-dev x11-utils imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q --no-install-recommends "$p"
done
if [ ! -f "$cartella/CMakeCache.txt" ]; then
    cmake -S . -B "$cartella" -DCMAKE_BUILD_TYPE=Release -DQUADEROLA_BUILD_TESTS=OFF \
          -DCMAKE_INSTALL_PREFIX=/usr
fi
cmake --build "$cartella" -j2 --target quaderola
(cd "$cartella" && cpack -G DEB)
deb=$(ls -t "$cartella"/quaderola_*.deb | head -n1)
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q "./$deb"
test -f /usr/share/applications/quaderola.desktop
test -f /usr/share/icons/hicolor/scalable/apps/quaderola.svg

casa=$(mktemp -d)
esito=1
HOME="$casa" scripts/finestra.sh "$foto" /usr/bin/quaderola && esito=0
rm -rf "$casa"
if [ $esito -eq 0 ]; then
    echo "window \"Quaderola 1.0\" shown; screenshot in $foto"
else
    echo "the installed program did not show its window" >&2
fi
exit $esito
