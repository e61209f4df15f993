// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game's score by period, as the report's heading, the game's CSV and the season give it: our
// points from the sheet's quarter lines and its totals line, the opponent's from its plays.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "formats/game_file.h"
#include "sheet/matchup.h"

namespace tallivant {

struct PeriodScore {
    Quarter quarter = Quarter::First;
    std::string name; // periodName: "1st", "OT", "1st half"
    double ours = 0;
    int theirs = 0;
};

struct GameScore {
    // The periods played: the four quarters (or two halves), overtime only when it holds
    // anything, and a half-time game's 3rd and 4th lines only when they do.
    std::vector<PeriodScore> periods;
    double ours = 0; // the totals line's points, as the sheet shows them
    int theirs = 0;
};

// A game has a score when its file holds details or opponent plays: without either, the
// opponent's 0 is only what nobody recorded.
inline bool hasScore(const Matchup& matchup) {
    return !matchup.empty();
}

// `fields` are the sheet's field texts by Field::id().
GameScore gameScore(const std::array<std::string, kFields>& fields, const Matchup& matchup);

// "58", "-4", as the sheet writes a count.
std::string scoreText(double points);

} // namespace tallivant
