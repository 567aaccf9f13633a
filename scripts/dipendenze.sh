#!/usr/bin/env bash
# Installs the Debian 12 packages the program and its tests need, only those missing.
# Usage: scripts/dipendenze.sh [build|test|windows]
set -euo pipefail

pacchetti=(build-essential cmake g++ pkg-config libzip-dev libfreexl-dev libssl-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation
           fonts-liberation2)
if [ "${1:-build}" = test ]; then
    pacchetti+=(libgtest-dev libbenchmark-dev xvfb xauth poppler-utils e2fsprogs
                cups printer-driver-cups-pdf python3)
fi
# The Windows build: MinGW-w64, Wine to run the tests, NSIS for the installer, and Debian's
# sources of libzip (dpkg-dev unpacks them); the host Qt provides moc and rcc.
if [ "${1:-build}" = windows ]; then
    pacchetti+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
                qt6-base-dev-tools ninja-build libgtest-dev wine64 nsis zip unzip xz-utils
                dpkg-dev perl xvfb xauth x11-utils imagemagick)
fi

mancanti=()
for p in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

echo "Installo: ${mancanti[*]}"
sudo_=""
[ "$(id -u)" -ne 0 ] && sudo_="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_ apt-get update -q
$sudo_ apt-get install -y -q --no-install-recommends "${mancanti[@]}"
