// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/score.h"

#include <algorithm>

#include "sheet/numbers.h"

namespace tallivant {

namespace {

bool lineHoldsAnything(const std::array<std::string, kFields>& fields, int line) {
    for (int col = 0; col < kColumns; ++col)
        if (!isPercentColumn(col) && readLenient(fields[Field{line, col}.id()]) != 0) return true;
    return false;
}

bool opponentPlayedIn(const OpponentPlays& plays, Quarter quarter) {
    return std::any_of(plays.begin(), plays.end(), [quarter](const OpponentPlay& p) {
        return p.counted && p.quarter == quarter;
    });
}

} // namespace

GameScore gameScore(const std::array<std::string, kFields>& fields, const Matchup& matchup) {
    const Rules& rules = matchup.details.rules;
    const std::array<int, kQuarters> theirs = opponentPointsByQuarter(matchup.opponent);
    GameScore score;
    for (int q = 0; q < kQuarters; ++q) {
        const auto quarter = static_cast<Quarter>(q);
        const int line = quarterLine(quarter);
        // A line that only some games use is listed when it was used, so that the periods
        // still add up to the final score.
        const bool sometimes =
            quarter == Quarter::Overtime ||
            (rules.halves && (quarter == Quarter::Third || quarter == Quarter::Fourth));
        if (sometimes && theirs[q] == 0 && !lineHoldsAnything(fields, line) &&
            !opponentPlayedIn(matchup.opponent, quarter))
            continue;
        score.periods.push_back({quarter, periodName(quarter, rules),
                                 readLenient(fields[Field{line, PTS}.id()]), theirs[q]});
    }
    score.ours = readLenient(fields[Field{kTotalsLine, PTS}.id()]);
    for (const int points : theirs)
        score.theirs += points;
    return score;
}

std::string scoreText(double points) {
    return formatCount(points);
}

} // namespace tallivant
