#!/usr/bin/env bash
# Starts a program under Xvfb, waits for its window "Quaderola 1.0" (up to a minute: a program's
# first start in a fresh Wine prefix is slow), saves a screenshot and ends the program. Exits 0
# when the window showed.
# Usage: scripts/finestra.sh SCREENSHOT PROGRAM [ARGUMENTS...]
set -euo pipefail
xvfb-run -a -s "-screen 0 1100x780x24" bash -c '
    foto=$1
    shift
    "$@" & pid=$!
    for i in $(seq 1 600); do
        if xwininfo -root -tree | grep -q "\"Quaderola 1.0\""; then
            sleep 1
            import -window root "$foto"
            kill $pid; wait $pid 2>/dev/null || true
            exit 0
        fi
        sleep 0.1
    done
    xwininfo -root -tree | grep -F "(\"" >&2
    kill $pid 2>/dev/null; exit 1' _ "$@"
