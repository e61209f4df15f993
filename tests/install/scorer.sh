#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the end-to-end tests share: an X server of their own, waiting for the program's windows
# and giving them the keyboard focus, and a short game kept at the keyboard through real key
# events from xdotool. Sourced; the test sets work (a scratch folder), artefacts (where a
# failure screenshot goes), step_limit, window_class (the class of the program's windows) and,
# once the program runs, app_pid.

# Ends a process the test started (a program, the X server), if it still runs.
stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

step() {
    echo "-- $*"
}

# What the screen showed when a step failed: the window with the keyboard focus, every shown
# window, a screenshot when a grabber is at hand, and what the program printed.
describe_screen() {
    [ -n "$display" ] || return 0
    echo "Keyboard focus: $(xdotool getwindowfocus getwindowname 2>&1 | tail -n 1)"
    echo "Shown windows:"
    local w
    for w in $(shown_windows); do
        echo "  $w \"$(xdotool getwindowname "$w" 2>/dev/null)\""
    done
    local shot=$artefacts/keep_a_game_failure.png
    if command -v import >/dev/null && import -window root "$shot" 2>/dev/null; then
        echo "Screenshot: $shot"
    elif command -v xwd >/dev/null && xwd -root -silent -out "${shot%.png}.xwd" 2>/dev/null; then
        echo "Screenshot: ${shot%.png}.xwd"
    fi
}

fail() {
    {
        echo "FAILED: $*"
        describe_screen
        if [ -s "$work/program.log" ]; then
            echo "The program printed:"
            sed 's/^/  /' "$work/program.log"
        fi
    } >&2
    exit 1
}

# Installs the build ($cmake_command, $build_dir, $config) into $work/usr, as a user gets it.
install_build() {
    local install_args=(--install "$build_dir" --prefix "$work/usr")
    [ -z "$config" ] || install_args+=(--config "$config")
    "$cmake_command" "${install_args[@]}" >"$work/install.log" 2>&1 ||
        fail "cmake --install failed: $(cat "$work/install.log")"
}

start_x_server() {
    step "start an X server"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    deadline=$((SECONDS + step_limit))
    until grep -qE '^[0-9]+$' "$work/display" 2>/dev/null; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb stopped: $(cat "$work/xvfb.log")"
        ((SECONDS < deadline)) || fail "Xvfb did not report its display within ${step_limit}s"
        sleep 0.05
    done
    display=:$(cat "$work/display")
    export DISPLAY=$display
    step "X server on $display"
}

# The program's windows that are shown. Searched by class: Qt leaves WM_NAME empty on a menu and
# gives its title only as _NET_WM_NAME, which getwindowname reads.
shown_windows() {
    xdotool search --onlyvisible --classname "$window_class" 2>/dev/null
}

# Sets `window` to a shown window titled exactly $1 other than $2 (a dialog that may still be
# closing), waiting for it up to the step limit. A window that closes while xdotool looks at it
# makes that search fail; the next one succeeds.
wait_window() {
    local title=$1 other=${2:-} deadline=$((SECONDS + step_limit)) w
    while :; do
        for w in $(shown_windows); do
            if [ "$w" != "$other" ] && [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$title" ]; then
                window=$w
                return 0
            fi
        done
        if [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null; then
            fail "the program ended while waiting for the window \"$title\""
        fi
        ((SECONDS < deadline)) || fail "no window \"$title\" within ${step_limit}s"
        sleep 0.05
    done
}

wait_window_gone() {
    local id=$1 what=$2 deadline=$((SECONDS + step_limit))
    while shown_windows | grep -qx "$id"; do
        ((SECONDS < deadline)) || fail "$what still shown after ${step_limit}s"
        sleep 0.05
    done
}

# Makes sure the keys go to window $1 ($2 names it). Qt asks for the focus of each window it
# shows and, with no window manager, gets it; but when a dialog closes nobody hands the focus
# back to the main window, so it is given here when it does not come by itself.
focus_window() {
    local id=$1 what=$2 tries=0
    while [ "$(xdotool getwindowfocus 2>/dev/null)" != "$id" ]; do
        # A moment for the focus to come by itself.
        if ((++tries > 15)); then
            xdotool windowfocus --sync "$id" 2>/dev/null || true
            [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] ||
                fail "$what does not take the keyboard focus"
            echo "   (focus given to $what)"
            return 0
        fi
        sleep 0.02
    done
}


# Enters a roster with File|New, records a made field goal with Alt-letters and a personal foul
# with its key held down past the keyboard's repeat delay, and saves the game through the file
# dialog at $1 (as the program is given it), whose saved message is titled $2. The program's
# main window must be shown.
play_a_game() {
    local saved=$1 shown=$2
    wait_window Tallivant
    main_window=$window
    focus_window "$main_window" "the main window"

    step "File|New and a roster of twelve"
    xdotool key alt+l
    wait_window Tallivant "$main_window"
    xdotool key Return
    previous=
    for n in $(seq 1 12); do
        wait_window "Enter name" "$previous"
        focus_window "$window" "prompt $n"
        if [ "$n" = 1 ]; then
            # Typing replaces the offered "#  name", which the prompt shows selected.
            xdotool type --delay 20 '&Zed'
        fi
        xdotool key Return
        previous=$window
    done
    wait_window_gone "$previous" "the last name prompt"

    step "Alt+z selects player 1, Alt+c records a made field goal"
    focus_window "$main_window" "the main window"
    xdotool key alt+z alt+c

    step "Alt+m held down past the keyboard's repeat delay records one personal foul"
    xdotool key alt+z
    xdotool keydown alt+m
    sleep 1.5
    xdotool keyup alt+m

    step "File|Save through the file dialog"
    xdotool key alt+l
    wait_window Tallivant "$main_window"
    xdotool key Down Down Down Return
    wait_window "Select the destination file"
    save_dialog=$window
    focus_window "$save_dialog" "the save dialog"
    # The file name box has the focus; a full path there chooses folder and name at once.
    xdotool type --delay 10 "$saved"
    xdotool key Return
    wait_window_gone "$save_dialog" "the save dialog"

    step "the saved message, titled with the file's path"
    wait_window "$shown"
    saved_box=$window
    focus_window "$saved_box" "the saved message"
    xdotool key Return
    wait_window_gone "$saved_box" "the saved message"
}
