#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The start-up's instructions, counted by callgrind from exec until the event loop starts (the
# window is shown by then), for the program and the two bare windows of run.sh. A count does not
# depend on what else the machine is doing, as the times of run.sh do; it leaves out waiting for
# the X server and the disk. Usage: bench/startup/instructions.sh [BUILD_DIR]
set -euo pipefail

build=$(realpath "${1:-build}")
program=$build/src/ui/tallivant
bare=$build/bench/startup/startup_bare
count=$build/bench/startup/startup_count
command -v valgrind >/dev/null || { echo "valgrind is missing" >&2; exit 1; }
read -r -a counts < <("$count" --args 2>/dev/null)
read -r -a whole < <("$count" --args-whole 2>/dev/null)

source "$(dirname "$0")/xvfb.sh"

# Prints the instructions until the event loop; the program is ended once they are counted.
instructions() {
    local name=$1
    shift
    local out=$workdir/$name.out state=$workdir/$name.state
    mkdir "$state"
    XDG_STATE_HOME=$state valgrind --tool=callgrind --dump-before='QCoreApplication::exec()' \
        --callgrind-out-file="$out" "$@" >"$workdir/$name.log" 2>&1 &
    local pid=$!
    for _ in $(seq 600); do
        [ -s "$out.1" ] && grep -q '^totals:' "$out.1" && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ -s "$out.1" ] || { echo "no count for $name" >&2; cat "$workdir/$name.log" >&2; exit 1; }
    awk '/^totals:/ { print $2 }' "$out.1"
}

program_ir=$(instructions program "$program")
german_ir=$(LANGUAGE=de LC_ALL=de_DE.UTF-8 instructions german "$program")
bare_ir=$(instructions bare "$bare" "${counts[@]}")
whole_ir=$(instructions whole "$bare" "${whole[@]}")
awk -v p="$program_ir" -v g="$german_ir" -v b="$bare_ir" -v w="$whole_ir" 'BEGIN {
    printf "instructions from exec until the event loop starts:\n"
    printf "  program                               %6.1f million\n", p / 1e6
    printf "  bare window, three kinds of widget    %6.1f million   ratio %.3f\n", b / 1e6, p / b
    printf "  bare window, every kind and menu bar  %6.1f million   ratio %.3f\n", w / 1e6, p / w
    printf "  program in German                     %6.1f million   ratio %.3f / %.3f, %.3f of English\n", g / 1e6, g / b, g / w, g / p
}'
