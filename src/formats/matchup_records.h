// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The records of a game file that hold the other side (saved_game.h):
//
//   "Quarter","2nd"
//   "Details","Eagles","Hawks","2026-12-09","North Gym","FIBA","5","yes","yes","2","0","5",
//            "quarters","with last","5"                                          (one line)
//   "Play",…
//   "Opponent","4","19:43:10","2nd","2","counted","","31"
//   "Opponent","5","19:44:02","3rd","set 14","taken back","2nd","33"
//
// The details come before our plays: a reader from before them stops at the first record it
// does not know and, finding plays after it, opens the statistics alone and says the plays were
// not opened; so it never takes the game for whole and writes it back without its other side. An
// opponent play: its number, time, quarter, what ("1", "2", "3", "foul" or "set" with the figure),
// counted or taken back, the quarter it was recorded in once moved, and the number of our last play
// when it was recorded. The details: our team, the opponent, the date, the place, each %-escaped to
// ASCII, then the rules. Every byte is ASCII, so the game's own text alone decides the file's
// encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/matchup.h"

namespace tallivant {

// The details line, and the opponent's lines; each nothing where there is none, so a game
// without them is written as before. The details line is written before our plays (see
// saved_game.h), the opponent's after them.
std::string detailsText(const Matchup& matchup);
std::string opponentText(const Matchup& matchup);
// Both, with the quarter's and our plays' lines (quarterAndPlaysText) between them, as a game
// file holds them after its 19 records.
std::string afterGameText(std::string_view quarterAndPlays, const Matchup& matchup);
// The most bytes matchupText can give for it, whatever corrections its plays take later.
std::size_t longestMatchupText(const Matchup& matchup);

// One record (its values, the record's name first): true when it is an "Opponent" or
// "Details" record, read into `matchup`; an opponent record that is not one, or whose number
// is out of order, sets `leftOut`.
bool readMatchupRecord(const std::vector<std::string>& record, Matchup& matchup, bool& leftOut);

} // namespace tallivant
