#!/usr/bin/env bash
# Installs the Debian 12 packages the program and its tests need, only those missing.
# Usage: scripts/dipendenze.sh [build|test]
set -euo pipefail

pacchetti=(build-essential cmake g++ pkg-config libzip-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation)
if [ "${1:-build}" = test ]; then
    pacchetti+=(libgtest-dev libbenchmark-dev xvfb xauth poppler-utils e2fsprogs
                cups printer-driver-cups-pdf python3)
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
