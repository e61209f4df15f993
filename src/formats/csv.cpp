// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/csv.h"

#include <charconv>
#include <initializer_list>
#include <optional>

#include "formats/paths.h"
#include "sheet/numbers.h"

namespace tallivant {

namespace {

constexpr std::array<std::string_view, kColumns> kHeaders = {
    "FGM", "FGA", "FG%", "FTM", "FTA", "FT%", "3PM", "3PA", "3P%",
    "REB", "AST", "TO",  "STL", "BLK", "PF",  "TF",  "PTS"};
constexpr std::array<std::string_view, kQuarters + 1> kTeamLines = {
    "1st Quarter", "2nd Quarter", "3rd Quarter", "4th Quarter", "Overtime", "Game Totals"};

void appendRow(std::string& out, std::initializer_list<std::string_view> values) {
    bool first = true;
    for (std::string_view v : values) {
        if (!first) out += ',';
        out += csvField(v);
        first = false;
    }
    out += "\r\n";
}

bool isPercentColumn(int col) {
    return col == FGPER || col == FTPER || col == TPPER;
}

// "66.67%" or "66,67%" as 66.67; nothing for a text that is no percentage.
std::optional<double> percentValue(std::string_view text) {
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty() || text.back() != '%') return std::nullopt;
    text.remove_suffix(1);
    std::string number(text);
    for (char& c : number)
        if (c == ',') c = '.';
    return readStrict(number);
}

// A field's text as a spreadsheet number; a text that holds no number stays as it is.
std::string cellOf(const std::string& text, int col) {
    if (isPercentColumn(col)) {
        const std::optional<double> percent = percentValue(text);
        if (!percent) return text;
        char buffer[64];
        const auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, *percent, std::chars_format::fixed, 2);
        return ec == std::errc() ? std::string(buffer, end) : text;
    }
    const std::optional<double> count = readStrict(text);
    return count ? formatCount(*count) : text;
}

// The name as the button shows it: an empty button stays empty (shownName numbers it instead).
std::string buttonName(const std::string& name, int player) {
    const std::string shown = shownName(name, player);
    const bool numbered =
        shown == "#" + std::to_string(player) && name.find('#') == std::string::npos;
    return numbered ? std::string() : shown;
}

} // namespace

std::string csvField(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string boxScoreCsv(const GameContents& game) {
    std::string out(kByteOrderMark);
    out += "Player";
    for (std::string_view title : kHeaders) {
        out += ',';
        out += title;
    }
    out += "\r\n";
    const auto row = [&](std::string_view label, int line) {
        out += csvField(label);
        for (int col = 0; col < kColumns; ++col) {
            out += ',';
            out += csvField(cellOf(game.fields[Field{line, col}.id()], col));
        }
        out += "\r\n";
    };
    for (int n = 1; n <= kPlayers; ++n)
        row(buttonName(game.names[n - 1], n), playerLine(n - 1));
    for (int q = 0; q < kQuarters; ++q)
        row(kTeamLines[q], quarterLine(static_cast<Quarter>(q)));
    row(kTeamLines[kQuarters], kTotalsLine);
    return out;
}

std::string playsCsv(const Plays& plays, const std::array<std::string, kPlayers>& names) {
    std::string out(kByteOrderMark);
    appendRow(out, {"#", "Time", "Quarter", "Player", "Stat", "Note"});
    for (const Play& p : plays) {
        const std::string player = p.player >= 1 && p.player <= kPlayers
                                       ? shownName(names[p.player - 1], p.player)
                                       : std::string();
        appendRow(out, {std::to_string(p.number), p.time, quarterName(p.quarter), player,
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
