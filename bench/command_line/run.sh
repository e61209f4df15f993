#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line as a script runs it, each run a whole process with no display: the report of
# a full game (300 plays) written as PDF, and its box score and plays as CSV; and the season of
# 1,000 such games (each with plays at other times) as CSV. Prints the median wall time of each. Usage: bench/command_line/run.sh [BUILD_DIR] [RUNS] (default build/,
# 15 runs after one not counted).
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${2:-15}
program=$build/src/ui/tallivant
maker=$build/bench/command_line/full_game_file
for f in "$program" "$maker"; do
    [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 1; }
done
command -v /usr/bin/time >/dev/null || { echo "missing /usr/bin/time (Debian: time)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tallivant-cli-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$maker" "$work/game.txt" 300

# Wall seconds of `tallivant ARGS`, one run per line, the first run left out.
times() {
    for ((i = 0; i <= runs; i++)); do
        env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/time -f %e -o "$work/time" \
            "$program" "$@" "$work/game.txt"
        ((i == 0)) || cat "$work/time"
    done
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

echo "PDF of a full game, $runs runs: median $(times --pdf "$work/report.pdf" | median) s"
echo "CSV of a full game, $runs runs: median $(times --csv "$work/box.csv" | median) s"

# A thousand different games: copies of one would be saves of one game, and count once.
mkdir "$work/season"
for ((g = 1; g <= 1000; g++)); do "$maker" "$work/season/game $g.txt" 300 $((g * 61)); done
seasonTimes() {
    for ((i = 0; i <= runs; i++)); do
        env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/time -f %e -o "$work/time" \
            "$program" --season-csv "$work/season.csv" "$work"/season/*.txt
        ((i == 0)) || cat "$work/time"
    done
}
echo "Season of 1,000 games as CSV, $runs runs: median $(seasonTimes | median) s"
grep -q '^Team,1000,' "$work/season.csv" || echo "the season did not count the 1,000 games" >&2
