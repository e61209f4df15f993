# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end tests that type into the installed program on its own X server and
# read it back through AT-SPI (after scorer.sh): keys pressed at the speed of play, boxes closed,
# the AT-SPI bus, and the program started on a game file with a roster of twelve.

# Runs the script $1 again with its arguments in a D-Bus session of its own, which ends with the
# test and takes the AT-SPI bus with it; skips the test (77) where a tool is missing.
in_own_dbus_session() {
    [ -n "${TALLIVANT_KEYS_SESSION:-}" ] && return 0
    local tool
    for tool in Xvfb xdotool dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null ||
            { echo "SKIPPED: $tool is missing (tools/deps.sh installs it)"; exit 77; }
    done
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { echo "SKIPPED: python3-pyatspi is missing (tools/deps.sh installs it)"; exit 77; }
    exec dbus-run-session -- env TALLIVANT_KEYS_SESSION=1 bash "$@"
}

# The arguments every such test takes (<cmake> <build dir> <config or ""> <folder for a failure
# screenshot>), its work folder named after $1, and the cleanup of what it starts.
set_up_keys_test() {
    cmake_command=$2
    build_dir=$3
    config=$4
    artefacts=$5
    # Seconds one step may take before the test gives up; generous for a loaded CI machine.
    step_limit=${TALLIVANT_E2E_STEP_LIMIT:-10}
    work=$(realpath --no-symlinks "$(mktemp -d "${TMPDIR:-/tmp}/tallivant-$1.XXXXXX")")
    xvfb_pid=
    app_pid=
    launcher_pid=
    display=
    window_class='^tallivant$'
    stage="start"
    trap keys_test_cleanup EXIT
    trap 'exit 130' INT TERM
    mkdir -p "$artefacts"
}

keys_test_cleanup() {
    stop "$app_pid"
    stop "$launcher_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}

ask() {
    type_pressed
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_reader.py" "$step_limit" "$@" >"$work/asked" 2>&1 ||
        fail "$stage: waited for $(printf '"%s" ' "$@")and got $(cat "$work/asked")"
}

# Keys are pressed in turn and typed when the test next looks at the screen, in one run of
# xdotool: the scenario's pace is a fixed 250 ms between keys, whatever the program does
# meanwhile, and no key waits for a process to start.
pressed=()
press() { pressed+=("$@"); }
type_pressed() {
    [ ${#pressed[@]} = 0 ] && return
    printf 'key %s\nsleep 0.25\n' "${pressed[@]}" | xdotool - ||
        fail "$stage: xdotool could not type ${pressed[*]}"
    pressed=()
}

# Closes the box titled $1 with the key $2 once it has the keyboard; the main window has it
# back afterwards.
close_box() {
    type_pressed
    wait_window "$1"
    local box=$window
    focus_window "$box" "the box \"$1\""
    xdotool key "$2"
    wait_window_gone "$box" "the box \"$1\""
    focus_window "$main_window" "the main window"
}

start_atspi() {
    step "start the AT-SPI bus"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
    launcher_pid=$!
    deadline=$((SECONDS + step_limit))
    # Asked whether the name has an owner: a call to the name itself would start a second one.
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
        grep -q 'boolean true'; do
        ((SECONDS < deadline)) ||
            fail "no AT-SPI bus within ${step_limit}s: $(cat "$work/atspi.log")"
        sleep 0.05
    done
}

# Writes a game file with the roster "${names[@]}" and no stats to $1 and starts the installed
# program on it, with the accessibility bus on; `main_window` is its window, with the focus.
start_program() {
    local game=$1 zeros name sanitizer_settings=()
    zeros=$(printf ',"0"%.0s' $(seq 17))
    {
        printf '"Name","FGM","FGA","FG%%","FTM","FTA","FT%%","3PTM","3PTA","3PT%%","REBS","ASTS",'
        printf '"TurnOver'"'"'s","STLS","BLKS","Prsnl Fls","TechFls","Points"\r\n'
        for label in "${names[@]}" 'First Quarter' 'Second Quarter' 'Third Quarter' \
            'Fourth Quarter' 'Overtime totals' 'Game totals'; do
            printf '"%s"%s\r\n' "$label" "$zeros"
        done
    } >"$game"
    mkdir -m 700 "$work/runtime"
    mkdir "$work/home"
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [ -z "${!name:-}" ] || sanitizer_settings+=("$name=${!name}")
    done
    env -i PATH="$PATH" DISPLAY="$display" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
        DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
        "${sanitizer_settings[@]}" "$program" "$game" >"$work/program.log" 2>&1 &
    app_pid=$!
    wait_window Tallivant
    main_window=$window
    focus_window "$main_window" "the main window"
}
