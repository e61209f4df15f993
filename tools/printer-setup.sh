#!/usr/bin/env bash
# Gives the tests a real default printer: starts the CUPS scheduler when it is not running and
# sets up a cups-pdf queue, TallivantPDF, as the default destination, writing every job as a PDF
# into one known folder. Also sets up TallivantRefuse, a queue that refuses every job, for the
# test of a printer that turns the report away. Safe to run again; it changes only these two
# queues and their cups-pdf settings file. Runs itself through sudo when not run as root.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=TALLIVANT_PDF_DIR bash "$0" "$@"
fi

queue=TallivantPDF
refusing=TallivantRefuse
instance=tallivant
out=${TALLIVANT_PDF_DIR:-/var/spool/cups-pdf/tallivant}

scheduler_running() {
    lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}

if ! scheduler_running; then
    # No service manager here: start the daemon itself, which detaches once it listens.
    cupsd
    for _ in $(seq 1 100); do
        scheduler_running && break
        sleep 0.1
    done
    if ! scheduler_running; then
        echo "printer-setup: cupsd did not start" >&2
        exit 1
    fi
    echo "printer-setup: started cupsd"
fi

model=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
if [ -z "$model" ]; then
    echo "printer-setup: no CUPS-PDF driver found (is printer-driver-cups-pdf installed?)" >&2
    exit 1
fi

# The backend reads cups-pdf-<instance>.conf for a queue whose address is cups-pdf:/<instance>,
# so the user's own PDF printer keeps its settings.
mkdir -p "$out"
chmod 1777 "$out"
conf=/etc/cups/cups-pdf-$instance.conf
cat >"$conf.new" <<EOF
# Written by Tallivant's tools/printer-setup.sh for its test queues.
Out $out
AnonDirName $out
Label 1
Grp lpadmin
EOF
mv "$conf.new" "$conf"

# The cairo renderer keeps the text of the printed PDF readable (pdftotext), as the tests need.
lpadmin -p "$queue" -E -v "cups-pdf:/$instance" -m "$model" -D "Tallivant test printer (PDF)" \
    -o pdftops-renderer-default=pdftocairo
lpadmin -d "$queue"
cupsenable "$queue"
cupsaccept "$queue"

lpadmin -p "$refusing" -E -v "cups-pdf:/$instance" -m "$model" -D "Tallivant test printer that refuses jobs"
cupsenable "$refusing"
cupsreject -r "Refusing every job for Tallivant's tests" "$refusing"

default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
if [ "$default" != "$queue" ]; then
    echo "printer-setup: the default destination is '$default', not $queue" >&2
    exit 1
fi
if [ -n "${LPDEST:-}${PRINTER:-}" ]; then
    echo "printer-setup: note: LPDEST or PRINTER is set and overrides the default for this shell"
fi
echo "printer-setup: default printer $queue, PDF output in $out"
