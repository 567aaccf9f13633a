#!/usr/bin/env bash
# The Windows installer that scripts/windows.sh made, tried under Wine as a user would: a silent
# install, the Start-menu entry and the entry among the installed programs checked, the
# installed program started under Xvfb until its window "Quaderola 1.0" shows (screenshot
# saved), then a silent uninstall, which must remove the program and keep the archive.
# Usage: scripts/fumowine.sh [screenshot.png]
set -euo pipefail
cd "$(dirname "$0")/.."
foto=$(realpath -m "${1:-build/fumowine.png}")
. scripts/vino.sh
chiave='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quaderola'
programma="$WINEPREFIX/drive_c/Program Files/Quaderola"
archivio="$WINEPREFIX/drive_c/quaderoladati"

"$vino" build/windows/quaderola-1.0-setup.exe /S
/usr/lib/wine/wineserver -w
test -f "$programma/quaderola.exe"
test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quaderola.lnk"
"$vino" reg query "$chiave" /v DisplayName | grep -q Quaderola
mkdir -p "$archivio"
printf '1\r\n"Ditta di prova"\r\n' >"$archivio/listditta"

# Wine's desktop process, started without a display by the steps above, would keep the program
# from opening windows: it starts again with Xvfb's.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
esito=1
scripts/finestra.sh "$foto" "$vino" "C:\\Program Files\\Quaderola\\quaderola.exe" && esito=0
/usr/lib/wine/wineserver -k 2>/dev/null || true
if [ $esito -ne 0 ]; then
    echo "the installed program did not show its window" >&2
    exit 1
fi
echo "window \"Quaderola 1.0\" shown; screenshot in $foto"

# The uninstaller copies itself away and returns at once: wait for it to finish its work.
"$vino" "$programma/uninstall.exe" /S
/usr/lib/wine/wineserver -w
for i in $(seq 1 100); do
    [ -e "$programma/quaderola.exe" ] || break
    sleep 0.1
done
if [ -e "$programma" ] || "$vino" reg query "$chiave" >/dev/null 2>&1 ||
   [ -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quaderola.lnk" ]; then
    echo "the uninstaller left the program behind" >&2
    exit 1
fi
grep -q "Ditta di prova" "$archivio/listditta" || { echo "the uninstaller touched the archive" >&2; exit 1; }
echo "installed, started and uninstalled; the archive kept"
