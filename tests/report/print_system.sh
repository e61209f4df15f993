#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The test run's own print system: a CUPS scheduler with its own configuration, spool, logs and
# socket, that knows two queues: TallivantPDF, its default destination, on the cups-pdf backend
# (every job becomes a PDF in one folder), and TallivantRefuse, which refuses every job. The
# tests reach it through CUPS_SERVER; the machine's own print setup is never touched.
#
# cups-pdf reads its settings only from /etc/cups/cups-pdf-<instance>.conf. So that nothing is
# written there, the scheduler runs in a mount namespace of its own in which a private folder
# lies over /etc/cups; the namespace, and that view, end with the scheduler. The backend is
# readable by root alone (mode 0700), so only a scheduler run by root can drive it, and making
# a mount namespace needs root as well: for anyone else, "start" writes why into
# <home>/unavailable and the tests that print say so and skip.
#
# Usage: print_system.sh start <home>   record the machine's print state, start the scheduler
#        print_system.sh stop <home>    stop it, remove its files, compare the machine's state
# <home> holds the socket (cups.sock) and a link "tree" to the scheduler's files in /tmp, where
# the filters (run as the user lp) can reach them wherever the build folder lies.
set -euo pipefail
export LC_ALL=C

command=$1
home=$2
here=$(cd "$(dirname "$0")" && pwd)
socket=$home/cups.sock
pdf_queue=TallivantPDF
refusing_queue=TallivantRefuse
instance=tallivant

say() {
    echo "print-system: $*"
}

unavailable() {
    # CI runs as root and must print for real: there, a missing print system is a failure.
    if [ "${CI:-}" = true ]; then
        say "FAILED: $*" >&2
        exit 1
    fi
    say "$* The tests that print through CUPS skip."
    echo "$*" >"$home/unavailable"
    exit 0
}

lp_private() {
    CUPS_SERVER=$socket "$@"
}

scheduler_answers() {
    lp_private lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}

stop_scheduler() {
    local pid_file=$home/tree/cupsd.pid pid
    [ -f "$pid_file" ] || return 0
    pid=$(cat "$pid_file")
    if [ -n "$pid" ] && grep -q cupsd "/proc/$pid/comm" 2>/dev/null; then
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 1 100); do
            [ -e "/proc/$pid" ] || break
            sleep 0.1
        done
        if [ -e "/proc/$pid" ]; then
            say "cupsd $pid did not stop within 10 s; killing it"
            kill -KILL "$pid" 2>/dev/null || true
        fi
    fi
}

remove_tree() {
    local tree
    tree=$(readlink "$home/tree" 2>/dev/null) || return 0
    # Only ever a folder this script made.
    case $tree in
        /tmp/tallivant-cups.*) rm -rf "$tree" ;;
    esac
    rm -f "$home/tree"
}

start() {
    mkdir -p "$home"
    chmod 700 "$home"
    # What a former run left: a scheduler that was never stopped, its files, its verdict.
    stop_scheduler
    remove_tree
    rm -f "$home/unavailable" "$home/machine-before" "$home/machine-after" "$socket"

    bash "$here/machine_print_state.sh" >"$home/machine-before"

    if [ "$(id -u)" -ne 0 ]; then
        unavailable "Not root: the cups-pdf backend (mode 0700) runs only under a scheduler run by root."
    fi
    for tool in cupsd lpadmin lpinfo lpstat cupsenable cupsaccept cupsreject unshare mount; do
        command -v "$tool" >/dev/null || unavailable "$tool is missing (tools/deps.sh installs it)."
    done
    [ -x /usr/lib/cups/backend/cups-pdf ] ||
        unavailable "No cups-pdf backend (is printer-driver-cups-pdf installed?)."
    # A Unix socket's path has at most 107 bytes.
    [ ${#socket} -le 100 ] || unavailable "The build folder's path is too long for a socket: $socket"
    unshare --mount --propagation private true 2>/dev/null ||
        unavailable "No mount namespace can be made here (unshare --mount fails)."

    tree=$(mktemp -d /tmp/tallivant-cups.XXXXXX)
    ln -sfn "$tree" "$home/tree"
    # The filters run as lp and must reach the spooled jobs.
    chmod 755 "$tree"
    mkdir -p "$tree"/{etc,spool/tmp,cache,state,log,backend-spool}
    mkdir -m 1777 "$tree/pdf"

    cat >"$tree/etc/cups-files.conf" <<EOF
# The test run's own scheduler: every file it writes lies under $tree.
ServerRoot $tree/etc
RequestRoot $tree/spool
TempDir $tree/spool/tmp
CacheDir $tree/cache
StateDir $tree/state
AccessLog $tree/log/access_log
ErrorLog $tree/log/error_log
PageLog $tree/log/page_log
Printcap $tree/state/printcap
SystemGroup root
FatalErrors config
EOF
    cat >"$tree/etc/cupsd.conf" <<EOF
# Listens on its own socket only; shares nothing, looks for nothing on the network.
Listen $socket
LogLevel info
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
# Only root can open the socket's folder, so the scheduler need not ask who is calling.
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    # Seen by the backend as /etc/cups/cups-pdf-$instance.conf, inside the namespace only.
    cat >"$tree/etc/cups-pdf-$instance.conf" <<EOF
Out $tree/pdf
AnonDirName $tree/pdf
Spool $tree/backend-spool
Log $tree/log
GSTmp $tree/backend-spool
Label 1
Grp lpadmin
EOF

    # The scheduler stays in the foreground of its own session; the folder over /etc/cups is
    # mounted in its namespace just before it starts.
    setsid unshare --mount --propagation private -- /bin/sh -c '
        mount --bind "$1/etc" /etc/cups || exit 1
        echo $$ >"$1/cupsd.pid"
        exec cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' \
        sh "$tree" </dev/null >"$tree/log/cupsd.out" 2>&1 &

    for _ in $(seq 1 100); do
        scheduler_answers && break
        sleep 0.1
    done
    if ! scheduler_answers; then
        cat "$tree/log/cupsd.out" "$tree/log/error_log" >&2 2>/dev/null || true
        say "FAILED: the private cupsd did not answer on $socket within 10 s" >&2
        exit 1
    fi

    model=$(lp_private lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
    [ -n "$model" ] || { say "FAILED: the scheduler knows no CUPS-PDF driver" >&2; exit 1; }

    # The cairo renderer keeps the printed PDF's text readable (pdftotext), as the tests need.
    lp_private lpadmin -p "$pdf_queue" -E -v "cups-pdf:/$instance" -m "$model" \
        -D "Tallivant test printer (PDF)" -o pdftops-renderer-default=pdftocairo
    lp_private lpadmin -d "$pdf_queue"
    lp_private lpadmin -p "$refusing_queue" -E -v "cups-pdf:/$instance" -m "$model" \
        -D "Tallivant test printer that refuses jobs"
    lp_private cupsreject -r "Refusing every job for Tallivant's tests" "$refusing_queue"

    default=$(lp_private lpstat -d | sed -n 's/^system default destination: //p')
    if [ "$default" != "$pdf_queue" ]; then
        say "FAILED: the private default destination is '$default', not $pdf_queue" >&2
        exit 1
    fi
    say "cupsd $(cat "$tree/cupsd.pid") on $socket: default $pdf_queue, PDFs in $tree/pdf"
}

stop() {
    stop_scheduler
    remove_tree
    rm -f "$socket"
    if [ -f "$home/unavailable" ]; then
        say "no scheduler was started: $(cat "$home/unavailable")"
    else
        say "stopped"
    fi

    # The machine's print setup must be as the run found it.
    [ -f "$home/machine-before" ] || { say "FAILED: no record of the machine before the run" >&2; exit 1; }
    bash "$here/machine_print_state.sh" >"$home/machine-after"
    if ! diff -u "$home/machine-before" "$home/machine-after" >&2; then
        say "FAILED: the test run changed the machine's print setup (above: - before, + after)" >&2
        exit 1
    fi
    say "the machine's print setup is as before the run"
}

case $command in
    start) start ;;
    stop) stop ;;
    *) echo "usage: $0 start|stop <folder>" >&2; exit 2 ;;
esac
