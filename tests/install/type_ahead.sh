#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The sheet's keys typed at the speed of play, four a second, into the installed program on its
# own X server, read back as a screen reader reads the window: keys typed behind "Foul trouble"
# and "Please select player first." are shown in the box and act in order on Enter, or are
# dropped with Escape; the quarter keys; stats typed with the Plays window in front, and its own
# Delete and Ctrl+B; Ctrl+S, which says "Saved to ..." under the sheet and shows no box. Then
# the saved game's plays must be exactly the ones typed, in order.
#
# Usage: type_ahead.sh <cmake> <build dir> <config or ""> <folder for a failure screenshot>
set -euo pipefail

# A D-Bus session of its own, which ends with the test and takes the AT-SPI bus with it.
if [ -z "${TALLIVANT_KEYS_SESSION:-}" ]; then
    for tool in Xvfb xdotool dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null ||
            { echo "SKIPPED: $tool is missing (tools/deps.sh installs it)"; exit 77; }
    done
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { echo "SKIPPED: python3-pyatspi is missing (tools/deps.sh installs it)"; exit 77; }
    exec dbus-run-session -- env TALLIVANT_KEYS_SESSION=1 bash "$0" "$@"
fi

cmake_command=$1
build_dir=$2
config=$3
artefacts=$4
# Seconds one step may take before the test gives up; generous for a loaded CI machine.
step_limit=${TALLIVANT_E2E_STEP_LIMIT:-10}

work=$(realpath --no-symlinks "$(mktemp -d "${TMPDIR:-/tmp}/tallivant-keys.XXXXXX")")
xvfb_pid=
app_pid=
launcher_pid=
display=
window_class='^tallivant$'
stage="start"
# shellcheck source=tests/install/scorer.sh
. "$(dirname "$0")/scorer.sh"

cleanup() {
    stop "$app_pid"
    stop "$launcher_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir -p "$artefacts"

# What a screen reader finds, asked through AT-SPI and waited for up to the step limit:
#   box TITLE TEXT...  the shown box TITLE says each TEXT  item NAME  an open menu shows NAME
#   news PATTERN       the strip's news reads PATTERN      note N TEXT  play N's note in Plays
read -r -d '' reader <<'EOF' || true
import re, sys, time
import pyatspi

def windows():
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "tallivant"]
    return [w for a in apps[:1] for w in a if w and w.getState().contains(pyatspi.STATE_SHOWING)]

def walk(acc):
    # Past the sheet's hundreds of fields: asked one by one over D-Bus they take seconds, and no
    # box, menu, strip or table is among them.
    yield acc
    if acc.childCount <= 40:
        for child in acc:
            yield from walk(child) if child else ()

def texts(acc):
    text = "Text" in pyatspi.listInterfaces(acc)
    return [acc.name] + ([acc.queryText().getText(0, -1)] if text else [])

def box(title, *wanted):
    said = [[t for a in walk(w) for t in texts(a)] for w in windows() if w.name == title]
    return bool(said) and all(any(x in t for t in said[0]) for x in wanted), f"{title}: {said}"

def item(name):
    return any(a.name == name and a.getRole() == pyatspi.ROLE_MENU_ITEM
               for w in windows() for a in walk(w)), f"no menu item {name!r}"

def news(pattern):
    said = [a.name for w in windows() if w.name == "Tallivant" for a in walk(w)
            if a.description == "News"]
    return any(re.fullmatch(pattern, n) for n in said), f"the news reads {said}"

def note(number, text):
    tables = [a.queryTable() for w in windows() if w.name == "Plays" for a in walk(w)
              if a.getRole() == pyatspi.ROLE_TABLE]
    notes = [t.getAccessibleAt(r, 5).name for t in tables for r in range(t.nRows)
             if t.getAccessibleAt(r, 0).name == number]
    return notes == [text], f"play {number}'s notes {notes}"

limit, check, args = float(sys.argv[1]), globals()[sys.argv[2]], sys.argv[3:]
deadline = time.monotonic() + limit
while True:
    try:
        done, seen = check(*args)
    except Exception as e:  # a window that closes while it is read
        done, seen = False, repr(e)
    if done or time.monotonic() > deadline:
        print(f"after {limit:.0f} s, {seen}")
        sys.exit(0 if done else 1)
    time.sleep(0.05)
EOF
ask() {
    type_pressed
    /usr/bin/python3 -c "$reader" "$step_limit" "$@" >"$work/asked" 2>&1 ||
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

names=('&1 Ann' '&2 Bea' '&3 Cy' '&4 Di' '&5 Eve' '&6 Flo' '&7 Gus' '&8 Hal' '&9 Ivy' '&0 Jo'
    '&A Kai' '&B Lee')
quarter=1st
expected=() # the plays: quarter, player, stat and mark, as the saved game's records say them
held=()     # the keys a box holds, as it shows them

# Each "player:letter" pressed as Alt with the player's letter, then Alt with the stat's: a play
# in the quarter that is on, and two keys held if a box is up.
stats() {
    local play player letter name
    for play; do
        IFS=: read -r player letter <<<"$play"
        name=${names[$player - 1]:1:1}
        press "alt+${name,}" "alt+$letter"
        held+=("Alt+$name" "Alt+${letter^}")
        expected+=("\"$quarter\",\"$player\",\"$letter\",\"counted\"")
    done
}

# Step $* begins: a failure names it.
begin() {
    stage="step $*"
    step "$stage"
}

held_text() {
    local keys
    printf -v keys '%s, ' "${held[@]}"
    echo "Held: ${keys%, }. Enter: they act. Escape: they are dropped."
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

step "install the build into $work/usr"
install_build
program=$work/usr/bin/tallivant
[ -x "$program" ] || fail "no program at usr/bin/tallivant"

start_x_server

step "start the AT-SPI bus"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
launcher_pid=$!
deadline=$((SECONDS + step_limit))
# Asked whether the name has an owner: a call to the name itself would start a second launcher.
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
    ((SECONDS < deadline)) || fail "no AT-SPI bus within ${step_limit}s: $(cat "$work/atspi.log")"
    sleep 0.05
done

step "a game file with a roster of twelve and no stats, opened by the installed program"
game=$work/game.txt
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
sanitizer_settings=()
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

begin '1, keys behind "Foul trouble"'
stats 1:m 1:m 1:m
held=()
stats 2:h 3:c
ask box "Foul trouble" "The player has 3" "$(held_text)"
stats 4:v 5:d 6:f 7:e 8:r 9:u 10:n 11:o
ask box "Foul trouble" "$(held_text)"
close_box "Foul trouble" Return

begin '2, keys behind "Please select player first." act on Enter, Ctrl+Z among them'
press alt+c
held=()
stats 12:k 2:t
press ctrl+z
held+=(Ctrl+Z)
expected[-1]=${expected[-1]/counted/taken back}
ask box "Error!" "$(held_text)"
stats 3:e 4:h 5:u
ask box "Error!" "Please select player first." "$(held_text)"
close_box "Error!" Return

begin '3, keys behind "Please select player first." dropped with Escape'
press alt+v
held=()
before=("${expected[@]}")
stats 6:c
press ctrl+Next
held+=(Ctrl+PgDown)
stats 7:h
press ctrl+z
held+=(Ctrl+Z)
ask box "Error!" "$(held_text)"
close_box "Error!" Escape
expected=("${before[@]}")

begin '4, the quarter keys, a stat after each'
# The key, the quarter it leaves on (overtime is the last), and a stat there.
for switch in ctrl+Next:2nd:6:c ctrl+Next:3rd:7:h ctrl+Next:4th:8:u ctrl+Next:OT:9:n \
    alt+Right:OT:10:o alt+Left:4th:11:k; do
    IFS=: read -r key quarter play <<<"$switch"
    press "$key"
    stats "$play"
done

begin '5, the stat keys with the Plays window in front'
press alt+y
ask item "Show plays"
xdotool key Return
wait_window Plays
plays_window=$window
focus_window "$plays_window" "the Plays window"
# The window opens with the newest play selected; the plays recorded from here come above it.
selected=${#expected[@]}
# Player 1, in foul trouble, gets no foul: a box would hold the keys after it.
stats 3:c 4:v 5:d 6:f 7:e 8:r 9:u 10:h 11:n 12:o 1:k 2:m 3:t
press Delete
ask note "$selected" "taken back"
stage="step 5, Ctrl+B puts back the play that Delete removed"
press ctrl+b
ask note "$selected" ""

begin "6, Ctrl+S saves to the game's own file without a box"
press ctrl+s
ask news "Saved to game\.txt at [0-2][0-9]:[0-5][0-9]"
for w in $(shown_windows); do
    [[ $w = "$main_window" || $w = "$plays_window" ]] ||
        fail "$stage: a window \"$(xdotool getwindowname "$w")\" is shown"
done
# After the game's 19 records, the quarter that is on and the plays, each at its time of day.
mapfile -t saved < <(tr -d '\r' <"$game" |
    sed -E '1,19d; s/^("Play","[0-9]+",)"[0-2][0-9]:[0-5][0-9]:[0-5][0-9]"/\1"hh:mm:ss"/')
typed=('"Quarter","4th"')
for i in "${!expected[@]}"; do
    typed+=("\"Play\",\"$((i + 1))\",\"hh:mm:ss\",${expected[$i]},\"\",\"\"")
done
diff <(printf '%s\n' "${typed[@]}") <(printf '%s\n' "${saved[@]}") >&2 ||
    fail "$stage: the saved game's plays (>) are not those typed (<)"
# The sheet holds what the counted plays add up to: a field goal 2, a free throw 1, a three 3.
counted() { printf '%s\n' "${expected[@]}" | grep -c "\"$1\",\"counted\"" || true; }
points=$((2 * $(counted c) + $(counted d) + 3 * $(counted e)))
totals=$(sed -n 19p "$game" | tr -d '\r')
[[ $totals = '"Game totals",'*",\"$points\"" ]] || fail "$stage: $totals, not $points points"

step "passed: ${#expected[@]} plays saved in the order typed"
