# Sourced by the scripts that run Windows programs under Wine. Uses the Wine prefix named by
# WINEPREFIX, or makes a fresh one in a temporary folder (removed at exit) and starts it once:
# wineboot's first start is the slow part, so .ci/run makes one prefix for the whole run.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install Mono or Gecko
vino=/usr/lib/wine/wine64
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$(mktemp -d /tmp/quaderola-wine.XXXXXX)
    export WINEPREFIX
    trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$vino" wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w
fi

# percorsowindows PATH: the Linux path as Wine's Windows programs see it (drive Z:).
percorsowindows() {
    local p
    p=$(realpath "$1")
    echo "Z:${p//\//\\}"
}
