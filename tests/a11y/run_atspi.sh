#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the program on its own Xvfb, in its own D-Bus session with the AT-SPI bus and
# registry, accessibility on, and runs the pyatspi check against it.
# Usage: run_atspi.sh PROGRAM CHECK.py
set -euo pipefail
program=$1
check=$2

for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (tools/deps.sh installs it)"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing: python3-pyatspi"; exit 1; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="$work"
export XDG_STATE_HOME="$work/state"
export PROGRAM=$program CHECK=$check

# The session bus ends with the check; the program and the AT-SPI bus go with it. The launcher is
# waited for by asking whether its name has an owner: a call to the name itself would have D-Bus
# start a second launcher, and the one that loses the name takes its bus down with it, under the
# program's feet ("recipient disconnected").
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    ready=
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
            grep -q "boolean true" && { ready=1; break; }
        sleep 0.1
    done
    [ -n "$ready" ] || { echo "gave up after 5 s waiting for the AT-SPI bus launcher"; exit 1; }
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$PROGRAM" &
    program=$!
    status=0
    timeout 60 /usr/bin/python3 "$CHECK" || status=$?
    [ $status -eq 124 ] && echo "gave up after 60 s waiting for the AT-SPI check to finish"
    kill -0 "$program" 2>/dev/null || { echo "the program ended before the check did"; status=1; }
    kill "$program" "$launcher" 2>/dev/null || true
    exit $status
'
