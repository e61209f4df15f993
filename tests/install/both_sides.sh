#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A game of both sides kept in the installed program on its own X server, as a scorer keeps it:
# the game details entered in their box, the opponent's points and team fouls by Ctrl+1 to
# Ctrl+3 and Ctrl+M, a fifth personal foul under FIBA and a sixth under NBA, Ctrl+Z undoing the
# newest entry. At every step the strip's line, read through AT-SPI, must be what a recount of
# the keys typed gives. Then the saved game holds the details, the rules and the opponent's
# plays, and its PDF and CSV, written from the command line, carry the score.
#
# Usage: both_sides.sh <cmake> <build dir> <config or ""> <folder for a failure screenshot>
set -euo pipefail

# shellcheck source=tests/install/keys_harness.sh
. "$(dirname "$0")/keys_harness.sh"
in_own_dbus_session "$0" "$@"

set_up_keys_test sides "$@"
# shellcheck source=tests/install/scorer.sh
. "$(dirname "$0")/scorer.sh"

names=('&1 Ann' '&2 Bea' '&3 Cy' '&4 Di' '&5 Eve' '&6 Flo' '&7 Gus' '&8 Hal' '&9 Ivy' '&0 Jo'
    '&A Kai' '&B Lee')

# The recount: what the keys typed add up to, in the first quarter where all of this happens.
ours=0 theirs=0 our_fouls=0 their_fouls=0 rules=FIBA two_from=5 out=()
declare -A fouls=()
line() {
    local text="Eagles $ours : $theirs Hawks · Q1 · Team fouls $our_fouls"
    ((our_fouls + 1 >= two_from)) && text+=" (the next gives two shots)"
    text+=" · Hawks $their_fouls"
    ((their_fouls + 1 >= two_from)) && text+=": we shoot two"
    if ((${#out[@]})); then
        local joined
        printf -v joined '%s, ' "${out[@]}"
        text+=" · Fouled out: ${joined%, }"
    fi
    printf '%s' "$text"
}
expect_line() {
    local pattern
    pattern=$(line | sed 's/[.()]/\\&/g')
    ask game "$pattern"
}
# Ctrl+N for the opponent: 1, 2, 3 points, or m for a team foul.
opponent() {
    local k
    for k; do
        press "ctrl+$k"
        if [ "$k" = m ]; then ((++their_fouls)); else ((theirs += k)); fi
    done
}
# Player $1's personal foul; a box from the third on, closed with Enter, which says at the foul
# that puts the player out why ($2, the rules' limit).
foul() {
    local player=$1 limit=$2 letter=${names[$1 - 1]:1:1} n
    press "alt+${letter,}" alt+m
    n=$((${fouls[$player]:-0} + 1))
    fouls[$player]=$n
    ((++our_fouls))
    if ((n >= 3)); then
        if ((n == limit)); then
            ask box "Foul trouble" "The player has $n" "Fouled out ($rules: $limit fouls)"
        else
            ask box "Foul trouble" "The player has $n"
        fi
        close_box "Foul trouble" Return
    fi
}
# File|Game details..., two items before Exit: the box, with the keys typed into it.
details_box() {
    press alt+l Up Up Up Return
    type_pressed
    wait_window "Game details"
    focus_window "$window" "the details box"
}

step "install the build into $work/usr"
install_build
program=$work/usr/bin/tallivant
start_x_server
start_atspi
game=$work/game.txt
start_program "$game"

stage="the details: Eagles against Hawks at North Gym, FIBA's rules"
details_box
xdotool type --delay 40 "Eagles"
xdotool key Tab
xdotool type --delay 40 "Hawks"
xdotool key Tab Tab
xdotool type --delay 40 "North Gym"
xdotool key Return
focus_window "$main_window" "the main window"
expect_line

stage="the opponent's points and fouls by key, ours by Alt-letters"
opponent 2 3 m
press alt+3 alt+c
((ours += 2))
expect_line
opponent 1 m m m
expect_line

stage="Ctrl+Z undoes the newest entry of either side, and says so"
press ctrl+z
((--their_fouls))
ask news "Undone: Hawks team foul \(1st\)"
expect_line

stage="a fifth personal foul under FIBA puts 6 Flo out"
for _ in 1 2 3 4 5; do foul 6 5; done
out=("6 Flo")
expect_line
press alt+6 alt+h
ask news "6 Flo has fouled out"

stage="NBA's rules chosen in the box: 6 Flo is back, and it takes 7 Gus six fouls"
details_box
xdotool key Tab Tab Tab Tab n Return
focus_window "$main_window" "the main window"
rules=NBA out=()
expect_line
for _ in 1 2 3 4 5 6; do foul 7 6; done
out=("7 Gus")
expect_line

stage="Ctrl+S keeps the game in its file"
press ctrl+s
ask news "Saved to game\.txt at [0-2][0-9]:[0-5][0-9]"
details=$(grep -a '^"Details",' "$game" | tr -d '\r')
[[ $details = '"Details","Eagles","Hawks","'*'","North Gym","NBA","6","no","no","2",'* ]] ||
    fail "$stage: the details record reads $details"
opponent_plays=$(grep -ac '^"Opponent",' "$game")
[ "$opponent_plays" = 7 ] || fail "$stage: $opponent_plays opponent plays, not 7"
grep -aq '^"Opponent","7","[0-9:]*","1st","foul","taken back",""' "$game" ||
    fail "$stage: the undone team foul is not taken back: $(grep -a '^"Opponent"' "$game")"

stage="the saved game's PDF and CSV from the command line carry the score"
"$program" --pdf "$work/box.pdf" "$game" >"$work/pdf.log" 2>&1 ||
    fail "$stage: --pdf failed: $(cat "$work/pdf.log")"
pdftotext -layout "$work/box.pdf" "$work/box.txt" || fail "$stage: pdftotext could not read it"
heading=$(head -n 1 "$work/box.txt")
[[ $heading = "Eagles $ours : $theirs Hawks"*"(${ours}-${theirs}, 0-0, 0-0, 0-0)"*"North Gym" ]] ||
    fail "$stage: the PDF's heading reads: $heading"
"$program" --csv "$work/box.csv" "$game" >"$work/csv.log" 2>&1 ||
    fail "$stage: --csv failed: $(cat "$work/csv.log")"
# The score lines after the box score: all of it in the first quarter.
score=$(tr -d '\r' <"$work/box.csv" | sed -n '/^Score,/,$p')
[ "$score" = "$(printf 'Score,Eagles,Hawks\n1st,%s,%s\n2nd,0,0\n3rd,0,0\n4th,0,0\nFinal,%s,%s' \
    "$ours" "$theirs" "$ours" "$theirs")" ] || fail "$stage: the CSV's score lines read: $score"

step "passed: the strip, the boxes and the files agree with a recount"
