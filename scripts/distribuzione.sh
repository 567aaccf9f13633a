#!/usr/bin/env bash
# Puts beside build/windows/quaderola.exe what it needs to run (the DLLs it and its plugins
# import from Qt, MinGW and the libraries of build/windows/terzi, the Qt plugins it loads, the
# licence, the user guide), then makes the installer quaderola-1.0-setup.exe with NSIS and the
# portable quaderola-1.0.zip of the same files. Called by scripts/windows.sh.
# Usage: scripts/distribuzione.sh QT_PREFIX TERZI_PREFIX
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$1
terzi=$2
uscita=build/windows
versione=1.0

cerca=("$qt/bin" "$terzi/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
distribuiti=(quaderola.exe)

# copiadll FILE: the DLLs FILE imports that one of the folders above has, and theirs in turn;
# the others are Windows' own.
copiadll() {
    local dll cartella
    for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
        [[ " ${distribuiti[*]} " == *" $dll "* ]] && continue
        for cartella in "${cerca[@]}"; do
            if [ -f "$cartella/$dll" ]; then
                cp "$cartella/$dll" "$uscita/$dll"
                distribuiti+=("$dll")
                copiadll "$uscita/$dll"
                break
            fi
        done
    done
}

# The window system, the native style, the SVG icons of the toolbar.
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qsvg.dll \
              iconengines/qsvgicon.dll; do
    mkdir -p "$uscita/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$uscita/$plugin"
    distribuiti+=("$plugin")
done
for f in "${distribuiti[@]}"; do
    copiadll "$uscita/$f"
done
# Qt's own texts in Italian, where this Qt has them.
if [ -f "$qt/translations/qtbase_it.qm" ]; then
    mkdir -p "$uscita/translations"
    cp "$qt/translations/qtbase_it.qm" "$uscita/translations/"
    distribuiti+=(translations/qtbase_it.qm)
else
    echo "note: $qt has no translations/qtbase_it.qm; Qt's own texts stay in English" >&2
fi
sed 's/$/\r/' LICENSE >"$uscita/LICENSE.txt"
distribuiti+=(LICENSE.txt)
# Who owns what the program carries: the fonts in its resources need their notice beside it.
sed 's/$/\r/' dist/copyright >"$uscita/COPYRIGHT.txt"
distribuiti+=(COPYRIGHT.txt)
# The user guide as files too (the program carries it inside): its pages and the pictures kept
# beside them, which the cross build put into the program.
mkdir -p "$uscita/guida"
for f in docs/guida/*.md docs/guida/*.png; do
    cp "$f" "$uscita/guida/"
    distribuiti+=("guida/$(basename "$f")")
done

# The portable zip: one folder with the same files.
cartella=$uscita/quaderola-$versione
rm -rf "$cartella" "$uscita/quaderola-$versione.zip"
for f in "${distribuiti[@]}"; do
    mkdir -p "$cartella/$(dirname "$f")"
    cp "$uscita/$f" "$cartella/$f"
done
(cd "$uscita" && zip -q -r "quaderola-$versione.zip" "quaderola-$versione")

# The installer lists the same files one by one, so the uninstaller removes exactly those.
{
    for f in "${distribuiti[@]}"; do
        d=$(dirname "$f")
        [ "$d" = . ] && echo "SetOutPath \"\$INSTDIR\"" || echo "SetOutPath \"\$INSTDIR\\${d//\//\\}\""
        echo "File \"$PWD/$cartella/$f\""
    done
} >"$uscita/file.nsh"
{
    for f in "${distribuiti[@]}"; do
        echo "Delete \"\$INSTDIR\\${f//\//\\}\""
    done
    for f in "${distribuiti[@]}"; do
        d=$(dirname "$f")
        if [ "$d" != . ]; then echo "RMDir \"\$INSTDIR\\${d//\//\\}\""; fi
    done | sort -u
} >"$uscita/rimossi.nsh"
makensis -V2 -DVERSIONE=$versione -DUSCITA="$PWD/$uscita" -DLICENZA="$PWD/$uscita/LICENSE.txt" \
         dist/quaderola.nsi
echo "built $uscita/quaderola.exe, $uscita/quaderola-$versione-setup.exe and" \
     "$uscita/quaderola-$versione.zip"
