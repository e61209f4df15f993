#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer, end to end under Wine: it installs silently into a new Wine prefix,
# the installed Tallivant.exe keeps a short game at the keyboard (real key events from xdotool
# on an X server of the test's own), and the file it saves must equal, byte for byte, the file
# the Linux build saves for the same keys, but for the time of day each play was recorded. Then the uninstaller removes it all again. The
# program runs with what the installer put beside it alone: no Qt or MinGW folder on WINEPATH.
#
# Usage: keep_a_game.sh <installer> <wine> <Linux tallivant> <folder for a failure screenshot>
set -euo pipefail

installer=$1
wine=$2
linux_program=$3
artefacts=$4
# Seconds one step may take before the test gives up; Wine starts slowly on a loaded machine.
step_limit=${TALLIVANT_E2E_STEP_LIMIT:-30}

work=$(realpath --no-symlinks "$(mktemp -d "${TMPDIR:-/tmp}/tallivant-windows-e2e.XXXXXX")")
xvfb_pid=
app_pid=
display=
window_class=
# shellcheck source=tests/install/scorer.sh
. "$(dirname "$0")/../install/scorer.sh"

export WINEPREFIX=$work/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
wineserver=$(dirname "$wine")/wineserver

cleanup() {
    stop "$app_pid"
    "$wineserver" -k 2>/dev/null || true
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wait_until() {
    local what=$1 deadline=$((SECONDS + step_limit))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || fail "$what: not within ${step_limit}s"
        sleep 0.2
    done
}

for tool in Xvfb xdotool cmp; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done
[ -f "$installer" ] || fail "no installer at $installer"
[ -x "$linux_program" ] || fail "no Linux build at $linux_program"

start_x_server
mkdir -m 700 "$work/runtime"
mkdir "$work/home"

step "the Linux build keeps the game"
window_class='^tallivant$'
env -i PATH="$PATH" DISPLAY="$display" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
    "$linux_program" >"$work/program.log" 2>&1 &
app_pid=$!
linux_saved=$work/linux.txt
play_a_game "$linux_saved" "$linux_saved"
stop "$app_pid"
app_pid=

step "the installer installs silently into a new Wine prefix"
"$wine" wineboot --init >"$work/wineboot.log" 2>&1 || fail "wineboot: $(cat "$work/wineboot.log")"
"$wine" "$installer" /S >"$work/installer.log" 2>&1 || fail "the installer failed"
folder="$WINEPREFIX/drive_c/Program Files/Tallivant"
wait_until "the installed program" test -f "$folder/Uninstall.exe"
for file in Tallivant.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll \
    platforms/qwindows.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll LICENSE.txt; do
    [ -f "$folder/$file" ] || fail "the installer left out $file"
done
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Tallivant/Tallivant.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut Tallivant/Tallivant.lnk"

step "the installed Tallivant.exe keeps the same game"
window_class='^tallivant\.exe$'
windows_saved=$work/windows.txt
# The program is given the file as Windows names it (Wine's Z: drive is the whole file system),
# and titles its message with the path as Qt writes it, with forward slashes.
windows_name="Z:${windows_saved//\//\\}"
windows_shown="Z:$windows_saved"
(cd "$folder" && exec "$wine" "C:\\Program Files\\Tallivant\\Tallivant.exe") \
    >"$work/program.log" 2>&1 &
app_pid=$!
play_a_game "$windows_name" "$windows_shown"
stop "$app_pid"
app_pid=
"$wineserver" -k 2>/dev/null || true

step "the two saved files are the same bytes, but for the plays' times of day"
[ -f "$windows_saved" ] || fail "no file at $windows_saved"
untimed() { sed -E 's/^("Play","[0-9]+",)"[0-9:]{8}"/\1"hh:mm:ss"/' "$1"; }
grep -q '^"Play",' "$linux_saved" || fail "the Linux build saved no plays"
cmp <(untimed "$linux_saved") <(untimed "$windows_saved") ||
    fail "the Windows build saved other bytes than the Linux build"

step "the uninstaller removes the program and its shortcut"
"$wine" "C:\\Program Files\\Tallivant\\Uninstall.exe" /S >"$work/uninstall.log" 2>&1 ||
    fail "the uninstaller failed"
wait_until "the program removed" test ! -e "$folder/Tallivant.exe"
wait_until "the shortcut removed" test ! -e "$shortcut"
for file in Qt6Core.dll platforms/qwindows.dll libstdc++-6.dll; do
    [ ! -e "$folder/$file" ] || fail "the uninstaller left $file behind"
done

step "passed"
