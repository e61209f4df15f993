#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch tree and keeps a short game with the installed program, as
# a scorer at the keyboard would: on its own X server, through real key events from xdotool,
# it enters a roster with File|New, records a made field goal with Alt-letters and a personal
# foul with its key held down, saves the game through the real file dialog, answers the
# unsaved-game question of File|Exit with Escape and then Discard. Then it reads the saved file.
#
# Usage: keep_a_game.sh <cmake> <build dir> <config or ""> <folder for a failure screenshot>
set -euo pipefail

cmake_command=$1
build_dir=$2
config=$3
artefacts=$4
# Seconds one step may take before the test gives up; generous for a loaded CI machine.
step_limit=${TALLIVANT_E2E_STEP_LIMIT:-10}

# Cleaned as the file dialog cleans the path it returns ("//" from a TMPDIR ending in "/"), so
# that the saved message's title can be compared with it.
work=$(realpath --no-symlinks "$(mktemp -d "${TMPDIR:-/tmp}/tallivant-e2e.XXXXXX")")
xvfb_pid=
app_pid=
display=
# The program's windows, by class: Qt names the class after the program.
window_class='^tallivant$'
# shellcheck source=tests/install/scorer.sh
. "$(dirname "$0")/scorer.sh"

cleanup() {
    stop "$app_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

for tool in Xvfb xdotool desktop-file-validate; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
done

step "install the build into $work/usr"
install_build

program=$work/usr/bin/tallivant
launcher=$work/usr/share/applications/org.tallivant.Tallivant.desktop
svg_icon=$work/usr/share/icons/hicolor/scalable/apps/tallivant.svg
png_icon=$work/usr/share/icons/hicolor/256x256/apps/tallivant.png

[ -x "$program" ] || fail "no program at usr/bin/tallivant"
[ -f "$launcher" ] || fail "no launcher at usr/share/applications/org.tallivant.Tallivant.desktop"
desktop-file-validate "$launcher" || fail "desktop-file-validate refuses the launcher"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$launcher")
[ -x "$work/usr/bin/$exec_name" ] || fail "the launcher starts \"$exec_name\", not an installed program"
icon_name=$(sed -n 's/^Icon=//p' "$launcher")
[ "$icon_name" = tallivant ] || fail "the launcher names icon \"$icon_name\", the icons are tallivant.*"

[ -f "$svg_icon" ] || fail "no scalable icon at share/icons/hicolor/scalable/apps/tallivant.svg"
grep -q '<svg' "$svg_icon" || fail "the scalable icon is not an SVG"
[ -f "$png_icon" ] || fail "no 256 px icon at share/icons/hicolor/256x256/apps/tallivant.png"
png_head=$(od -An -tx1 -N24 "$png_icon" | tr -d ' \n')
[ "${png_head:0:16}" = 89504e470d0a1a0a ] || fail "the 256 px icon is not a PNG"
# Width and height are the first two big-endian words of the IHDR chunk.
[ "${png_head:32:16}" = 0000010000000100 ] ||
    fail "the 256 px icon is $((16#${png_head:32:8})) x $((16#${png_head:40:8})) pixels"

if command -v readelf >/dev/null; then
    if readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -qF "$build_dir"; then
        fail "the installed program still looks for libraries in the build tree"
    fi
    # Most sessions never print: the CUPS library (and the twenty it needs) is not loaded at
    # start-up, only found once Qt's print plugin has loaded it to print.
    if readelf -d "$program" | grep NEEDED | grep -q 'libcups'; then
        fail "the installed program loads libcups at start-up"
    fi
fi

start_x_server

step "start the installed program"
mkdir -m 700 "$work/runtime"
mkdir "$work/home" "$work/out"
# A clean environment: the decimal point, the file dialog's remembered folders and the
# platform must not come from whoever runs the test.
# A sanitizer build's settings (the test run sets them) pass through.
sanitizer_settings=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -z "${!name:-}" ] || sanitizer_settings+=("$name=${!name}")
done
env -i PATH="$PATH" DISPLAY="$display" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
    "${sanitizer_settings[@]}" "$program" >"$work/program.log" 2>&1 &
app_pid=$!
saved=$work/out/game.txt
play_a_game "$saved" "$saved"

step "a rebound after the save: File|Exit asks, Escape keeps the game, Discard ends"
focus_window "$main_window" "the main window"
xdotool key alt+z alt+h
xdotool key alt+l
wait_window Tallivant "$main_window"
xdotool key x
wait_window "Unsaved game"
question=$window
focus_window "$question" "the unsaved game question"
xdotool key Escape
wait_window_gone "$question" "the unsaved game question"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended although the question was cancelled"
focus_window "$main_window" "the main window"
xdotool key alt+l
wait_window Tallivant "$main_window"
xdotool key x
wait_window "Unsaved game" "$question"
focus_window "$window" "the unsaved game question"
xdotool key alt+d
deadline=$((SECONDS + step_limit))
while kill -0 "$app_pid" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "the program still runs ${step_limit}s after File|Exit"
    sleep 0.05
done
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" = 0 ] || fail "the program ended with status $status after File|Exit"

step "check the saved game file"
[ -f "$saved" ] || fail "no file at $saved"
records=$(tr -cd '\n' <"$saved" | wc -c)
crlf_records=$(grep -c $'\r$' "$saved" || true)
# The game's 19 records, then the quarter that was on and the two plays.
[ "$records" = 22 ] || fail "the file holds $records lines, not 19 and the quarter and 2 plays"
[ "$crlf_records" = 22 ] || fail "only $crlf_records of the 22 records end with CR LF"
[ "$(tail -c 2 "$saved" | od -An -tx1 | tr -d ' \n')" = 0d0a ] ||
    fail "the last record does not end with CR LF"
mapfile -t lines < <(tr -d '\r' <"$saved")

# A record: its label, then the seventeen columns. One made field goal reads 1 of 1, 100.00%
# and 2 points; every other column stays 0.
record() {
    local label=$1 made=$2 shot=$3 pct=$4 points=$5 out
    out="\"$label\",\"$made\",\"$shot\",\"$pct\""
    for _ in $(seq 1 13); do out+=',"0"'; done
    echo "$out,\"$points\""
}
one_goal() { record "$1" 1 1 100.00% 2; }
nothing() { record "$1" 0 0 0 0; }
# One made field goal and one personal foul.
goal_and_foul() { one_goal "$1" | sed 's/"0","0","2"$/"1","0","2"/'; }

expected=("\"Name\",\"FGM\",\"FGA\",\"FG%\",\"FTM\",\"FTA\",\"FT%\",\"3PTM\",\"3PTA\",\"3PT%\",\"REBS\",\"ASTS\",\"TurnOver's\",\"STLS\",\"BLKS\",\"Prsnl Fls\",\"TechFls\",\"Points\"")
expected+=("$(goal_and_foul '&Zed')")
for _ in $(seq 2 12); do expected+=("$(nothing '#  name')"); done
expected+=("$(goal_and_foul 'First Quarter')")
for label in 'Second Quarter' 'Third Quarter' 'Fourth Quarter' 'Overtime totals'; do
    expected+=("$(nothing "$label")")
done
expected+=("$(goal_and_foul 'Game totals')")

wrong=0
for i in "${!expected[@]}"; do
    if [ "${lines[$i]}" != "${expected[$i]}" ]; then
        echo "record $((i + 1)):" >&2
        echo "  expected ${expected[$i]}" >&2
        echo "  found    ${lines[$i]}" >&2
        wrong=$((wrong + 1))
    fi
done
[ "$wrong" = 0 ] || fail "$wrong of the 19 records differ from the game that was kept"
[ "${lines[19]}" = '"Quarter","1st"' ] || fail "the quarter record is ${lines[19]}"
play='"Play","%s","[0-2][0-9]:[0-5][0-9]:[0-5][0-9]","1st","1","%s","counted","",""'
# shellcheck disable=SC2059
[[ "${lines[20]}" =~ ^$(printf "$play" 1 c)$ ]] || fail "the first play is ${lines[20]}"
# shellcheck disable=SC2059
[[ "${lines[21]}" =~ ^$(printf "$play" 2 m)$ ]] || fail "the second play is ${lines[21]}"

step "passed"
