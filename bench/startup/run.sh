#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the program against a bare Qt window with as many of the same widgets, each
# started as its own process on a private Xvfb: time until the window is mapped and peak
# memory, medians and ratios. Twice: against the line edits, push buttons and check boxes
# alone, and against every kind of widget the window has, its menu bar included. Usage: bench/startup/run.sh [BUILD_DIR] [LAUNCHER OPTIONS...]
# (default build/; options as startup_launcher takes them, default --runs 9 --warmup 1).
set -euo pipefail

build=$(realpath "${1:-build}")
shift || true
options=("$@")
[ ${#options[@]} -gt 0 ] || options=(--runs 9 --warmup 1 --libs)

program=$build/src/ui/tallivant
bare=$build/bench/startup/startup_bare
launcher=$build/bench/startup/startup_launcher
count=$build/bench/startup/startup_count
for f in "$program" "$bare" "$launcher" "$count"; do
    [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 1; }
done

echo "The program's window (counted offscreen):"
"$count" 2>/dev/null | sed 's/^/  /'
read -r -a counts < <("$count" --args 2>/dev/null)
read -r -a whole < <("$count" --args-whole 2>/dev/null)
echo

echo "Libraries each binary needs (ldd), beside the bare window's:"
libs() { ldd "$1" | awk '{ print $1 }' | sort; }
echo "  program $(libs "$program" | wc -l), bare window $(libs "$bare" | wc -l); only the program's:"
comm -23 <(libs "$program") <(libs "$bare") | sed 's/^/    /'
echo

# A private X server on a free display, ended when the script ends.
workdir=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$workdir"
}
trap cleanup EXIT
exec 3>"$workdir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
done
exec 3>&-
[ -s "$workdir/display" ] || { echo "Xvfb did not start" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$workdir/display")

# The same environment for both: the X platform, no overrides of style or scale.
unset QT_QPA_PLATFORM QT_STYLE_OVERRIDE QT_SCALE_FACTOR

echo "$(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg), Xvfb on $DISPLAY"
echo
echo "Against a bare window with the line edits, push buttons and check boxes (${counts[*]}):"
"$launcher" "${options[@]}" -- "$program" -- "$bare" "${counts[@]}"
echo
echo "Against a bare window with every kind of widget and the menu bar too (${whole[*]}):"
"$launcher" "${options[@]}" -- "$program" -- "$bare" "${whole[@]}"
echo
echo "load afterwards $(cut -d' ' -f1-3 /proc/loadavg)"
