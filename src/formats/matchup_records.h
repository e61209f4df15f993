// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The records of a game file that hold the other side, after our plays (saved_game.h):
//
//   "Opponent","4","19:43:10","2nd","2","counted",""
//   "Opponent","5","19:44:02","3rd","set 14","taken back","2nd"
//   "Details","Eagles","Hawks","2026-12-09","North%20Gym","FIBA","5","yes","yes","2","0","5",
//            "quarters","with last","5"
//
// (one line). An opponent play: its number, time, quarter, what ("1", "2", "3", "foul" or
// "set" with the figure), counted or taken back, and the quarter it was recorded in once moved.
// The details: our team, the opponent, the date, the place, each %-escaped to ASCII, then the
// rules. Every byte is ASCII, so the game's own text alone decides the file's encoding.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sheet/matchup.h"

namespace tallivant {

// Nothing for an empty matchup, so a game without one is written as before.
std::string matchupText(const Matchup& matchup);
// The most bytes matchupText can give for it, whatever corrections its plays take later.
std::size_t longestMatchupText(const Matchup& matchup);

// One record (its values, the record's name first): true when it is an "Opponent" or
// "Details" record, read into `matchup`; an opponent record that is not one, or whose number
// is out of order, sets `leftOut`.
bool readMatchupRecord(const std::vector<std::string>& record, Matchup& matchup, bool& leftOut);

} // namespace tallivant
