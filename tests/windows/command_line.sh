#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build's command line under Wine against the Linux build's, on one game: the same
# words line for line in the report's PDF (pdftotext -layout; a run of hyphens counts as a
# rule, since pdftotext drops hyphens where two runs drawn end to end overlap by a hair), the
# same CSV bytes, the same live page's JSON and page byte for byte but for the time they were
# written, and the same exit status and reason for a game that does not open.
#
# Usage: command_line.sh <wine-run.sh> <Tallivant.exe> <Linux tallivant>
set -euo pipefail

wine_run=$1
program=$2
linux_program=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in python3 pdftotext cmp; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done
[ -x "$linux_program" ] || fail "no Linux build at $linux_program"

work=$(mktemp -d "${TMPDIR:-/tmp}/tallivant-windows-cli.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"

# A game with every column filled, names with accents, "&", a comma and characters beyond
# Windows-1252 (so the file is UTF-8), and overtime.
python3 - "$work/game.txt" <<'PY'
import sys
header = ["Name", "FGM", "FGA", "FG%", "FTM", "FTA", "FT%", "3PTM", "3PTA", "3PT%", "REBS",
          "ASTS", "TurnOver's", "STLS", "BLKS", "Prsnl Fls", "TechFls", "Points"]
names = ["4 Zoë Åberg", "5 Lee, Ann", "&Zed", "10 O’Neil", "R&&B", "", "12 Ŝtefan", "#  name",
         "3 Kim", "21 Sam", "9 Ash", "14 Ünal"]
labels = ["First Quarter", "Second Quarter", "Third Quarter", "Fourth Quarter",
          "Overtime totals", "Game totals"]
def line(label, n):
    made, tried = n % 5, n % 5 + n % 3
    percent = "%.2f%%" % (100 * made / tried) if tried else "0.00%"
    return [label, str(made), str(tried), percent, "2", "3", "66.67%", "1", "4", "25.00%"] + \
        [str((n + k) % 7) for k in range(7)] + [str(2 * made + 5)]
rows = [header] + [line(name, n) for n, name in enumerate(names + labels)]
with open(sys.argv[1], "w", encoding="utf-8", newline="") as f:
    for row in rows:
        f.write(",".join('"%s"' % v for v in row) + "\r\n")
PY
head -c 200 "$work/game.txt" >"$work/short.txt"

(cd "$work/linux" && "$linux_program" --pdf report.pdf --csv box.csv --json game.json \
    --html index.html ../game.txt) || fail "the Linux build did not write the files"
(cd "$work/windows" && QT_QPA_PLATFORM=offscreen "$wine_run" "$program" --pdf report.pdf \
    --csv box.csv --json game.json --html index.html ../game.txt) ||
    fail "the Windows build did not write the files"

words() {
    pdftotext -layout "$1" - | tr -d '\f' | awk '{
        out = ""
        for (i = 1; i <= NF; i++) out = out " " ($i ~ /^-+$/ ? "<rule>" : $i)
        if (out != "") print out
    }'
}
words "$work/linux/report.pdf" >"$work/linux.words"
words "$work/windows/report.pdf" >"$work/windows.words"
[ "$(wc -l <"$work/linux.words")" -eq 42 ] || fail "the Linux PDF does not read as the report"
diff "$work/linux.words" "$work/windows.words" || fail "the PDFs read differently"
cmp "$work/linux/box.csv" "$work/windows/box.csv" || fail "the box scores differ"
untimed() {
    sed 's/"updated":"[^"]*"/"updated":"-"/g' "$1"
}
for file in game.json index.html; do
    grep -q '"updated":"20[0-9-]*T[0-9:]*[+-Z]' "$work/windows/$file" ||
        fail "the Windows $file says no time it was written"
    cmp <(untimed "$work/linux/$file") <(untimed "$work/windows/$file") ||
        fail "the live page's $file differs"
done
grep -q '"name":"4 Zoë Åberg"' "$work/windows/game.json" || fail "game.json lost a name"

set +e
linux_reason=$(cd "$work" && "$linux_program" --pdf x.pdf short.txt 2>&1 >/dev/null)
linux_status=$?
windows_reason=$(cd "$work" && QT_QPA_PLATFORM=offscreen "$wine_run" "$program" --pdf x.pdf \
    short.txt 2>&1 >/dev/null)
windows_status=$?
set -e
[ "$linux_status" -eq 1 ] && [ "$windows_status" -eq 1 ] ||
    fail "a game cut short: status $linux_status on Linux, $windows_status on Windows"
[ "$(echo "$windows_reason" | tr -d '\r')" = "$linux_reason" ] ||
    fail "a game cut short: \"$windows_reason\" on Windows, \"$linux_reason\" on Linux"

# A season of the game twice over (two files) and the file cut short: the same CSV from both
# builds, the short file named with the same reason, status 1 for the file left out.
cp "$work/game.txt" "$work/game2.txt"
set +e
linux_reason=$(cd "$work/linux" && "$linux_program" --season-csv season.csv ../game.txt \
    ../short.txt ../game2.txt 2>&1 >/dev/null)
linux_status=$?
windows_reason=$(cd "$work/windows" && QT_QPA_PLATFORM=offscreen "$wine_run" "$program" \
    --season-csv season.csv ../game.txt ../short.txt ../game2.txt 2>&1 >/dev/null)
windows_status=$?
set -e
[ "$linux_status" -eq 1 ] && [ "$windows_status" -eq 1 ] ||
    fail "a season with a file left out: status $linux_status on Linux, $windows_status on Windows"
[ "$(echo "$windows_reason" | tr -d '\r')" = "$linux_reason" ] ||
    fail "a season: \"$windows_reason\" on Windows, \"$linux_reason\" on Linux"
grep -q '^Team,2,' "$work/linux/season.csv" || fail "the Linux season does not hold two games"
cmp "$work/linux/season.csv" "$work/windows/season.csv" || fail "the seasons differ"
echo "same report text, box score, season and reasons from both builds"
