#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Whether the test run is steady: builds as tools/test.sh does, then, while a second job keeps
# every core busy, runs the tests that wait on something outside themselves (real dialogs and
# boxes, killed and spawned processes, the print scheduler, the X server, AT-SPI) 10 times in a
# row with `ctest -j2`, and the whole suite 3 times. Reports each failure with its test's name and
# run, and the runs, tests and time; exits non-zero if anything failed. The logs stay in
# $BUILD_DIR/steadiness.
#
#   tools/steadiness.sh [WAITING_RUNS [WHOLE_RUNS]]     (default 10 and 3)
set -euo pipefail
cd "$(dirname "$0")/.."

waiting_runs=${1:-10}
whole_runs=${2:-3}
build=${BUILD_DIR:-build}
waiting='^(RealDialogs|RealDialogsOnWindow|KeysBehindBoxes|Crash|Restore|RecoveryTest|PowerCut|KillAtEveryCall|CommandLineRun|CupsPrint|CupsNoPrinter|PdfAndPaper|InstalledProgram|ScreenReader\.AtSpi)'

bash tools/test.sh --build-only >/dev/null

logs=$build/steadiness
rm -rf "$logs"
mkdir -p "$logs"

load=()
stop_load() {
    [ ${#load[@]} -gt 0 ] && kill "${load[@]}" 2>/dev/null || true
    bash tests/report/print_system.sh stop "$build/print-system" >/dev/null 2>&1 || true
}
trap stop_load EXIT
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    load+=($!)
done

started=$SECONDS
runs=0 tests=0 failures=0
# One ctest run; its failed tests are listed as "<what> run <n>: <test> (<how>)".
run() {
    local what=$1 n=$2 log="$logs/$1-$2.log"
    shift 2
    local status=0
    ctest --test-dir "$build" --output-on-failure -j2 --timeout 300 "$@" >"$log" 2>&1 || status=$?
    runs=$((runs + 1))
    tests=$((tests + $(grep -cE '^ *[0-9]+/[0-9]+ Test +#' "$log" || true)))
    local failed
    failed=$(sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) .*\*\*\*(.*)$/\1 (\2)/p' "$log" |
             sed -E 's/ +[0-9.]+ sec\)$/)/')
    if [ -n "$failed" ]; then
        while IFS= read -r line; do
            echo "FAILED: $what run $n: $line"
            failures=$((failures + 1))
        done <<<"$failed"
    elif [ "$status" -ne 0 ]; then
        echo "FAILED: $what run $n: ctest ended with status $status (see $log)"
        failures=$((failures + 1))
    fi
}

for n in $(seq "$waiting_runs"); do
    run waiting "$n" -R "$waiting"
done
echo "waiting tests: $waiting_runs runs, $((SECONDS - started)) s"
whole_started=$SECONDS
for n in $(seq "$whole_runs"); do
    run whole "$n"
done
echo "whole suite: $whole_runs runs, $((SECONDS - whole_started)) s"
echo "$runs runs, $tests tests run, $failures failed, $((SECONDS - started)) s, with $(nproc) cores kept busy"
[ "$failures" -eq 0 ]
