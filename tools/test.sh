#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"
# The printing tests start a CUPS scheduler of their own and stop it when they are done; if the
# run is cut short, it is stopped here.
trap 'bash tests/report/print_system.sh stop "$build/print-system" >/dev/null 2>&1 || true' INT TERM
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
