// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <cstdlib>

#include "season/season.h"
#include "sheet/numbers.h"

namespace tallivant {

namespace {

// The made and attempted columns behind each percentage column.
struct Shooting {
    Col made, attempted;
};
Shooting shootingOf(Col percentage) {
    switch (percentage) {
    case FGPER:
        return {FGM, FGA};
    case FTPER:
        return {FTM, FTA};
    default:
        return {TPM, TPA};
    }
}

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

// "66.67": the sheet's own percentage text of the totals without its sign, so that a season
// and a game round alike (1 of 32 is 3.13).
std::string percentNumber(const SeasonLine& line, Col col, std::string_view separator) {
    const Shooting s = shootingOf(col);
    std::string text = percentText(line.totals[s.made], line.totals[s.attempted], separator);
    text.pop_back();
    return text;
}

} // namespace

const std::array<std::string_view, kSeasonColumns> kSeasonHeaders = {
    "Player", "GP",  "FGM", "FGA", "FG%", "FTM", "FTA", "FT%", "3PM", "3PA", "3P%", "REB", "AST",
    "TO",     "STL", "BLK", "PF",  "TF",  "PTS", "PPG", "RPG", "APG", "SPG", "BPG", "TOPG"};

double SeasonLine::percentage(Col col) const {
    const Shooting s = shootingOf(col);
    const double attempted = totals[s.attempted];
    return attempted > 0 ? 100.0 * totals[s.made] / attempted : 0.0;
}

double SeasonLine::average(SeasonAverage which) const {
    return games > 0 ? totals[kAveraged[which]] / games : 0.0;
}

double seasonValue(const SeasonLine& line, int column) {
    if (column <= 0) return 0;
    if (column == 1) return line.games;
    if (column < 2 + kColumns) {
        const int col = column - 2;
        return isPercentColumn(col) ? line.percentage(static_cast<Col>(col)) : line.totals[col];
    }
    return line.average(static_cast<SeasonAverage>(column - 2 - kColumns));
}

std::array<std::string, kSeasonColumns> seasonRowTexts(const SeasonLine& line,
                                                       std::string_view decimalSeparator) {
    std::array<std::string, kSeasonColumns> row;
    row[0] = line.player;
    row[1] = std::to_string(line.games);
    for (int col = 0; col < kColumns; ++col)
        row[seasonColumnOf(static_cast<Col>(col))] =
            isPercentColumn(col) ? percentNumber(line, static_cast<Col>(col), decimalSeparator)
                                 : formatCount(line.totals[col]);
    for (int a = 0; a < kSeasonAverages; ++a)
        row[seasonColumnOf(static_cast<SeasonAverage>(a))] =
            tenths(line.average(static_cast<SeasonAverage>(a)), decimalSeparator);
    return row;
}

} // namespace tallivant
