#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds everything and runs every test. With --sanitize, the same in a
# build of its own (build-sanitize) with AddressSanitizer and UndefinedBehaviorSanitizer. With
# --build-only, everything but the test run (tools/steadiness.sh runs the tests its own way).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
options=()
run_tests=1
case ${1:-} in
    "") ;;
    --sanitize)
        build=${BUILD_DIR:-build-sanitize}
        # The benchmarks are never run here: the sanitized build leaves them out, which saves CI
        # a good part of a build.
        options=(-DTALLIVANT_SANITIZE=ON -DTALLIVANT_WITH_BENCH=OFF)
        ;;
    --build-only) run_tests= ;;
    *) echo "usage: $0 [--sanitize | --build-only]" >&2; exit 2 ;;
esac

bash tools/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$build" -j "$(nproc)"
[ -n "$run_tests" ] || exit 0
# The printing tests start a CUPS scheduler of their own and stop it when they are done; if the
# run is cut short, it is stopped here.
trap 'bash tests/report/print_system.sh stop "$build/print-system" >/dev/null 2>&1 || true' INT TERM
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
