// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The box score and the plays as CSV for spreadsheets: RFC 4180 quoting, CR LF after every
// row, UTF-8 behind a byte order mark (so that spreadsheet programs keep the accents). Numbers
// are written as a spreadsheet reads numbers: counts whole, percentages as plain numbers with
// two decimals and a point ("66.67"), whatever separator the sheet shows.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "formats/box_columns.h"
#include "formats/game_file.h"
#include "sheet/matchup.h"
#include "sheet/plays.h"

namespace tallivant {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The value as one CSV field: in double quotes, with each quote doubled, when it holds a
// comma, a double quote or a line end; as it is otherwise. A text that a spreadsheet would take
// for a formula (one that begins with "=", "+", "-", "@", a tab or a CR, after any spaces) gets
// a leading "'", so that a name such as "=HYPERLINK(...)" stays a name; a number ("-3", "1e+20",
// "45.5%", "-45,5%") stays a number.
std::string csvField(std::string_view value);

// The values as one CSV row, each as csvField has it, CR LF after it: every CSV writer's rows.
template <typename Values> void appendCsvRow(std::string& out, const Values& values) {
    bool first = true;
    for (const auto& value : values) {
        if (!first) out += ',';
        out += csvField(value);
        first = false;
    }
    out += "\r\n";
}
inline void appendCsvRow(std::string& out, std::initializer_list<std::string_view> values) {
    appendCsvRow<std::initializer_list<std::string_view>>(out, values);
}

// A box score cell as the CSV has it: the sheet's counts as numbers, FGM, FGA and FG% adding
// the sheet's two-point and three-point columns, a percentage as "66.67" and empty with no
// attempts; a text that holds no number stays as it is.
std::string boxCell(const GameContents& game, int line, const BoxColumnInfo& column);
// The name as the button shows it; an empty button stays empty.
std::string buttonName(const std::string& name, int player);

// A header row of the box score's columns (box_columns.h: 2PM … 3P%, FGM, FGA, FG% of every
// field goal, FTM … PTS), the twelve players (names as their buttons show them), the five
// quarters and the game totals. A percentage with no attempts is an empty cell.
// A game with details (GameDetails::given) adds, after an empty row, the score
// by period: a row "Score", our name, theirs; one row per period ("1st" … "OT", or "1st half"
// …) with both sides' points; and a row "Final".
std::string boxScoreCsv(const GameContents& game, const Matchup& matchup = {});

// A header row and one row per play, oldest first, in the words of the Plays window; `names`
// are the roster's names as typed.
std::string playsCsv(const Plays& plays, const std::array<std::string, kPlayers>& names);

// Where the plays go beside a box score: "lincoln.csv" gives "lincoln-plays.csv".
std::string playsCsvPath(const std::string& boxScorePath);

} // namespace tallivant
