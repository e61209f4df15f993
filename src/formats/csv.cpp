// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/csv.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "formats/box_columns.h"
#include "formats/paths.h"
#include "formats/score.h"
#include "sheet/numbers.h"

namespace tallivant {

namespace {

constexpr std::array<std::string_view, kQuarters + 1> kTeamLines = {
    "1st Quarter", "2nd Quarter", "3rd Quarter", "4th Quarter", "Overtime", "Game Totals"};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The number a spreadsheet reads in a text: "-3", "1e+20", "66.67%" or "66,67%" (the decimal
// comma of some locales) as 66.67; nothing for a text that holds no number.
struct SheetNumber {
    double value;
    bool percent;
};
std::optional<SheetNumber> numberIn(std::string_view text) {
    text = trimmed(text);
    const bool percent = text.ends_with('%');
    if (percent) text.remove_suffix(1);
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const std::optional<double> value = readStrict(number);
    if (!value) return std::nullopt;
    return SheetNumber{*value, percent};
}

// A field's text as a spreadsheet number; a text that holds no number stays as it is.
std::string cellOf(const std::string& text, int col) {
    if (isPercentColumn(col)) {
        const std::optional<SheetNumber> percent = numberIn(text);
        if (!percent || !percent->percent) return text;
        char buffer[64];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, percent->value,
                                             std::chars_format::fixed, 2);
        return ec == std::errc() ? std::string(buffer, end) : text;
    }
    const std::optional<double> count = readStrict(text);
    return count ? formatCount(*count) : text;
}

// What a spreadsheet opening the file would run as a formula (OWASP's list for CSV injection);
// a number's sign makes none.
bool isFormulaLike(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos &&
           !numberIn(text);
}

} // namespace

// A box score column's cell. The sheet's own columns are its texts as numbers; FGM, FGA and FG%
// add the sheet's two-point and three-point columns as the sheet adds (leniently). A
// percentage with no attempts is an empty cell.
std::string boxCell(const GameContents& game, int line, const BoxColumnInfo& column) {
    const auto text = [&](Col col) -> const std::string& {
        return game.fields[Field{line, col}.id()];
    };
    LineCounts counts{};
    for (int col = 0; col < kColumns; ++col)
        if (!isPercentColumn(col)) counts[col] = readLenient(text(static_cast<Col>(col)));
    if (column.percent) {
        const Shots shots = boxShots(counts, column);
        if (!(shots.attempted > 0)) return {};
        if (column.withThrees) return *boxPercent(shots);
        const int sheetPercent = column.made + 2; // the sheet's FG% follows FGM and FGA
        return cellOf(text(static_cast<Col>(sheetPercent)), sheetPercent);
    }
    if (column.withThrees) return formatCount(boxCount(counts, column.made, true));
    return cellOf(text(column.made), column.made);
}

// The name as the button shows it: an empty button stays empty (shownName numbers it instead).
std::string buttonName(const std::string& name, int player) {
    const std::string shown = shownName(name, player);
    const bool numbered =
        shown == "#" + std::to_string(player) && name.find('#') == std::string::npos;
    return numbered ? std::string() : shown;
}

std::string csvField(std::string_view value) {
    std::string out;
    if (isFormulaLike(value)) out += '\'';
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) return out += value;
    out.insert(0, 1, '"');
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string boxScoreCsv(const GameContents& game, const Matchup& matchup) {
    std::string out(kByteOrderMark);
    std::array<std::string, 1 + kBoxColumns> cells = {"Player"};
    for (int c = 0; c < kBoxColumns; ++c)
        cells[c + 1] = kBoxColumnTable[c].header;
    appendCsvRow(out, cells);
    const auto row = [&](std::string_view label, int line) {
        cells[0] = label;
        for (int c = 0; c < kBoxColumns; ++c)
            cells[c + 1] = boxCell(game, line, kBoxColumnTable[c]);
        appendCsvRow(out, cells);
    };
    for (int n = 1; n <= kPlayers; ++n)
        row(buttonName(game.names[n - 1], n), playerLine(n - 1));
    for (int q = 0; q < kQuarters; ++q)
        row(kTeamLines[q], quarterLine(static_cast<Quarter>(q)));
    row(kTeamLines[kQuarters], kTotalsLine);
    if (!matchup.details.given()) return out;

    const GameScore score = gameScore(game.fields, matchup);
    appendCsvRow(out, std::array<std::string, 0>{});
    appendCsvRow(out, {"Score", ourName(matchup.details), theirName(matchup.details)});
    for (const PeriodScore& p : score.periods)
        appendCsvRow(out, {p.name, scoreText(p.ours), std::to_string(p.theirs)});
    appendCsvRow(out, {"Final", scoreText(score.ours), std::to_string(score.theirs)});
    return out;
}

std::string playsCsv(const Plays& plays, const std::array<std::string, kPlayers>& names) {
    std::string out(kByteOrderMark);
    appendCsvRow(out, {"#", "Time", "Quarter", "Player", "Stat", "Note"});
    for (const Play& p : plays) {
        const std::string player = p.player >= 1 && p.player <= kPlayers
                                       ? shownName(names[p.player - 1], p.player)
                                       : std::string();
        appendCsvRow(out, {std::to_string(p.number), p.time, quarterName(p.quarter), player,
                           statWords(p.letter), playNote(p, names)});
    }
    return out;
}

std::string playsCsvPath(const std::string& boxScorePath) {
    std::filesystem::path path = pathOf(boxScorePath);
    const std::string stem = utf8Of(path.stem());
    return utf8Of(path.replace_filename(pathOf(stem + "-plays.csv")));
}

} // namespace tallivant
