// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <cstdlib>
#include <limits>

#include "season/season.h"
#include "sheet/numbers.h"

namespace tallivant {

namespace {

constexpr std::array<Col, kSeasonAverages> kAveraged = {PTS, REB, AST, STL, BLK, TO};

// Tenths, half away from zero as the sheet rounds its percentages: 1 point in 4 games is 0.3.
// (A quotient of whole numbers that is exactly half a tenth is exact in a double, so the
// rounding sees the true half.)
std::string tenths(double value, std::string_view separator) {
    if (!std::isfinite(value)) value = 0;
    const long long t = std::llround(value * 10);
    std::string text = t < 0 ? "-" : "";
    const long long whole = std::llabs(t);
    text += std::to_string(whole / 10);
    text += separator;
    text += std::to_string(whole % 10);
    return text;
}

} // namespace

constexpr std::array<std::string_view, kSeasonColumns> kSeasonHeaders = [] {
    std::array<std::string_view, kSeasonColumns> headers{};
    headers[0] = QT_TRANSLATE_NOOP("Core", "Player");
    headers[1] = "GP";
    for (int c = 0; c < kBoxColumns; ++c)
        headers[2 + c] = kBoxColumnTable[c].header;
    const std::array<std::string_view, kSeasonAverages> averages = {"PPG", "RPG", "APG",
                                                                    "SPG", "BPG", "TOPG"};
    for (int a = 0; a < kSeasonAverages; ++a)
        headers[2 + kBoxColumns + a] = averages[a];
    return headers;
}();

double SeasonLine::total(BoxCol col) const {
    const BoxColumnInfo& c = boxColumn(col);
    return boxCount(totals, c.made, c.withThrees);
}

std::optional<double> SeasonLine::percentage(BoxCol col) const {
    const Shots shots = boxShots(totals, boxColumn(col));
    if (!(shots.attempted > 0)) return std::nullopt;
    return 100.0 * shots.made / shots.attempted;
}

double SeasonLine::average(SeasonAverage which) const {
    return games > 0 ? totals[kAveraged[which]] / games : 0.0;
}

double seasonValue(const SeasonLine& line, int column) {
    if (column <= 0) return 0;
    if (column == 1) return line.games;
    if (column < 2 + kBoxColumns) {
        const auto col = static_cast<BoxCol>(column - 2);
        if (!boxColumn(col).percent) return line.total(col);
        return line.percentage(col).value_or(std::numeric_limits<double>::quiet_NaN());
    }
    return line.average(static_cast<SeasonAverage>(column - 2 - kBoxColumns));
}

// Percentages are the sheet's own text of the totals without its sign, so that a season and a
// game round alike (1 of 32 is 3.13).
std::array<std::string, kSeasonColumns> seasonRowTexts(const SeasonLine& line,
                                                       std::string_view decimalSeparator,
                                                       std::string_view noAttempts) {
    std::array<std::string, kSeasonColumns> row;
    row[0] = line.player;
    row[1] = std::to_string(line.games);
    for (int c = 0; c < kBoxColumns; ++c) {
        const BoxColumnInfo& column = kBoxColumnTable[c];
        row[2 + c] = column.percent ? boxPercent(boxShots(line.totals, column), decimalSeparator)
                                          .value_or(std::string(noAttempts))
                                    : formatCount(line.total(static_cast<BoxCol>(c)));
    }
    for (int a = 0; a < kSeasonAverages; ++a)
        row[seasonColumnOf(static_cast<SeasonAverage>(a))] =
            tenths(line.average(static_cast<SeasonAverage>(a)), decimalSeparator);
    return row;
}

std::string againstPerGameText(const SeasonRecord& record, std::string_view decimalSeparator) {
    return tenths(record.againstPerGame(), decimalSeparator);
}

std::string recordLine(const SeasonRecord& record, std::string_view decimalSeparator) {
    return english(recordLineText(record, decimalSeparator));
}

CoreText recordLineText(const SeasonRecord& record, std::string_view decimalSeparator) {
    if (record.scored == 0) return {QT_TRANSLATE_NOOP("Core", "No game with a score"), {}};
    // [no tie, one, more][one game with a score, more]; as recordText writes the record.
    static constexpr const char* kLines[3][2] = {
        {QT_TRANSLATE_NOOP("Core",
                           "Record %1-%2, %3 points against per game (%4 game with a score)"),
         QT_TRANSLATE_NOOP("Core",
                           "Record %1-%2, %3 points against per game (%4 games with a score)")},
        {QT_TRANSLATE_NOOP("Core", "Record %1-%2 (%3 tie), %4 points against per game (%5 game "
                                   "with a score)"),
         QT_TRANSLATE_NOOP("Core", "Record %1-%2 (%3 tie), %4 points against per game (%5 games "
                                   "with a score)")},
        {QT_TRANSLATE_NOOP("Core", "Record %1-%2 (%3 ties), %4 points against per game (%5 game "
                                   "with a score)"),
         QT_TRANSLATE_NOOP("Core", "Record %1-%2 (%3 ties), %4 points against per game (%5 games "
                                   "with a score)")}};
    const int ties = record.ties == 0 ? 0 : record.ties == 1 ? 1 : 2;
    std::vector<std::string> values{std::to_string(record.wins), std::to_string(record.losses)};
    if (ties > 0) values.push_back(std::to_string(record.ties));
    values.push_back(againstPerGameText(record, decimalSeparator));
    values.push_back(std::to_string(record.scored));
    return {kLines[ties][record.scored == 1 ? 0 : 1], std::move(values)};
}

} // namespace tallivant
