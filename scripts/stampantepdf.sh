#!/usr/bin/env bash
# Makes sure a CUPS scheduler is running with a queue that prints into PDF files, for the
# end-to-end print test. Prints the folder where the PDF files of the queue land.
# Usage: scripts/stampantepdf.sh [queue name]   (needs root, or CUPS admin rights)
set -euo pipefail
export LC_ALL=C # lpstat answers are read below

coda=${1:-QuaderolaPDF}
cartella=/var/spool/cups-pdf/quaderola

command -v cupsd >/dev/null || { echo "cupsd non è installato (pacchetto cups)" >&2; exit 2; }
[ -x /usr/lib/cups/backend/cups-pdf ] ||
    { echo "manca il backend cups-pdf (pacchetto printer-driver-cups-pdf)" >&2; exit 2; }

# Test programs may run this at the same moment: one at a time.
exec 9>"${TMPDIR:-/tmp}/quaderola-stampantepdf.lock"
flock -w 60 9 || { echo "un'altra preparazione della stampante non finisce" >&2; exit 6; }

attivo() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

if ! attivo; then
    # Detached from our output, so whoever reads it is not kept waiting by the daemon.
    cupsd </dev/null >/dev/null 2>&1 9>&- || { echo "cupsd non parte" >&2; exit 3; }
    for _ in $(seq 50); do attivo && break; sleep 0.2; done
    attivo || { echo "cupsd non risponde" >&2; exit 3; }
fi

# The queue's own cups-pdf settings (cups-pdf:/NAME reads cups-pdf-NAME.conf) send its files
# to a folder of ours, whoever the job's user is.
mkdir -p "$cartella" && chmod 1777 "$cartella" &&
    printf 'Out %s\nLabel 1\n' "$cartella" > /etc/cups/cups-pdf-quaderola.conf ||
    { echo "impossibile preparare $cartella (servono i diritti di root)" >&2; exit 5; }

if ! lpstat -p "$coda" >/dev/null 2>&1; then
    ppd=""
    for p in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd; do
        [ -f "$p" ] && { ppd=$p; break; }
    done
    [ -n "$ppd" ] || { echo "PPD di cups-pdf non trovato" >&2; exit 4; }
    lpadmin -p "$coda" -E -v cups-pdf:/quaderola -P "$ppd" 2>/dev/null ||
        { echo "impossibile creare la coda $coda (servono i diritti di root)" >&2; exit 5; }
fi
# cups-pdf rebuilds the PDF from PostScript; with cairo making the PostScript the text stays
# readable in the file (ghostscript's way loses it).
lpadmin -p "$coda" -o pdftops-renderer-default=pdftocairo ||
    { echo "impossibile impostare la coda $coda" >&2; exit 5; }
cupsenable "$coda" && cupsaccept "$coda" ||
    { echo "impossibile abilitare la coda $coda" >&2; exit 5; }
echo "$cartella"
