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

source "$(dirname "$0")/xvfb.sh"

echo "$(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg), Xvfb on $DISPLAY"
echo
echo "Against a bare window with the line edits, push buttons and check boxes (${counts[*]}):"
"$launcher" "${options[@]}" -- "$program" -- "$bare" "${counts[@]}"
echo
echo "Against a bare window with every kind of widget and the menu bar too (${whole[*]}):"
"$launcher" "${options[@]}" -- "$program" -- "$bare" "${whole[@]}"
echo
# The same window in German: its translation is loaded at start-up and its texts are longer.
echo "In German (LANGUAGE=de, LC_ALL=de_DE.UTF-8), against the same bare window (${whole[*]}):"
LANGUAGE=de LC_ALL=de_DE.UTF-8 "$launcher" "${options[@]}" -- "$program" -- "$bare" "${whole[@]}"
echo
echo "load afterwards $(cut -d' ' -f1-3 /proc/loadavg)"
