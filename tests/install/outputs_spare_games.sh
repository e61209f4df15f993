#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed command line, used as a scorer at a shell uses it, never writes over a game:
# an output name forgotten (so that a game is taken for it), an output that is one of the
# games read (by its name, another spelling or a hard link), two outputs that are one file,
# and an export over another game are each refused with status 1, and then no file at all is
# written: every game's sha256 is the same after as before, and no output appears. A value
# that is an option is a usage error. A file name that is not UTF-8 is found.
set -euo pipefail

cmake_command=$1
build_dir=$2
config=$3
games_dir=$4

work=$(realpath --no-symlinks "$(mktemp -d "${TMPDIR:-/tmp}/tallivant-outputs.XXXXXX")")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

install_args=(--install "$build_dir" --prefix "$work/usr")
[ -z "$config" ] || install_args+=(--config "$config")
"$cmake_command" "${install_args[@]}" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"
program=$work/usr/bin/tallivant
[ -x "$program" ] || fail "no program at usr/bin/tallivant"

games=$work/games
mkdir "$games"
cp "$games_dir/saved_utf8.txt" "$games/g1.txt"
cp "$games_dir/saved_cp1252.txt" "$games/g2.txt"
cp "$games_dir/saved_utf8.txt" "$games/last week.txt"
ln "$games/g1.txt" "$games/hard link.txt"
cd "$games"

sums() {
    (cd "$games" && find . -type f -print0 | sort -z | xargs -0 sha256sum)
}

# runs EXPECTED_STATUS ARGS...: the program's status must be the one expected, and nothing in
# the folder may change.
refused() {
    local expected=$1
    shift
    local before after status=0
    before=$(sums)
    timeout 30 "$program" "$@" >"$work/out" 2>"$work/err" </dev/null || status=$?
    after=$(sums)
    [ "$status" = "$expected" ] ||
        fail "tallivant $* ended with $status, not $expected: $(cat "$work/err")"
    [ "$before" = "$after" ] || fail "tallivant $* changed the folder:
$(diff <(echo "$before") <(echo "$after") || true)"
    echo "ok ($status): tallivant $* -- $(head -n 1 "$work/err")"
}

# The output name forgotten: the first game is taken for it.
refused 1 --season-csv g1.txt g2.txt
refused 1 --season-pdf g1.txt g2.txt
# An output that is one of the games read, by its name, another spelling or a hard link.
refused 1 --csv g1.txt g1.txt
refused 1 --pdf g1.txt g1.txt
refused 1 --csv ./g1.txt "$games/g1.txt"
refused 1 --pdf "hard link.txt" g1.txt
refused 1 --season-csv season.csv --season-pdf g2.txt g1.txt g2.txt
# Two outputs that are one file; the box score's plays file counts as an output too.
refused 1 --pdf x --csv x g1.txt
refused 1 --pdf box-plays.csv --csv box.csv g1.txt
refused 1 --season-csv s --season-pdf ./s g1.txt g2.txt
# Over a game that is not being read.
refused 1 --csv "last week.txt" g1.txt
refused 1 --season-csv "last week.txt" g1.txt g2.txt
# A value that is an option: the usage, not a file named --pdf.
refused 2 --csv --pdf g1.txt

grep -q "It holds a game" <("$program" --csv "last week.txt" g1.txt 2>&1 || true) ||
    fail "the refusal over another game gives no reason"
grep -q "Two outputs name the same file" <("$program" --pdf x --csv x g1.txt 2>&1 || true) ||
    fail "two equal outputs give no reason"
grep -q "being read" <("$program" --csv g2.txt g2.txt 2>&1 || true) ||
    fail "an output that is a game read gives no reason"

# What may be written is: the box score with its plays file (header only for a game without
# plays), and a season; from a game whose name is not UTF-8.
cp g1.txt $'g\xff.txt'
"$program" --csv out.csv $'g\xff.txt' 2>"$work/err" || fail "a name that is not UTF-8: $(cat "$work/err")"
[ -s out.csv ] && [ -s out-plays.csv ] || fail "no box score or plays file from the game"
"$program" --season-csv season.csv g1.txt g2.txt || fail "the season was not written"
[ -s season.csv ] || fail "no season"
echo "every game file is as it was"
