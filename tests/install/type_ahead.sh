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

# shellcheck source=tests/install/keys_harness.sh
. "$(dirname "$0")/keys_harness.sh"
in_own_dbus_session "$0" "$@"

set_up_keys_test keys "$@"
# shellcheck source=tests/install/scorer.sh
. "$(dirname "$0")/scorer.sh"

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

step "install the build into $work/usr"
install_build
program=$work/usr/bin/tallivant
[ -x "$program" ] || fail "no program at usr/bin/tallivant"

start_x_server
start_atspi
step "a game file with a roster of twelve and no stats, opened by the installed program"
game=$work/game.txt
start_program "$game"

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
