// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A season: any number of game files added up per player and for the team, with games played,
// totals, percentages from the totals and per-game averages. Files are read with the game file's
// own reader; a file that does not open is left out with its reason and the rest still count.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "formats/game_file.h"
#include "sheet/columns.h"

namespace tallivant {

// The table's columns: the player, games played, the sheet's seventeen columns in the sheet's
// order (FGM … PTS), then six per-game averages.
enum SeasonAverage : int { PPG, RPG, APG, SPG, BPG, TOPG };
inline constexpr int kSeasonAverages = 6;
inline constexpr int kSeasonColumns = 2 + kColumns + kSeasonAverages; // 25
// "Player", "GP", "FGM", "FGA", "FG%", … "PTS", "PPG", "RPG", "APG", "SPG", "BPG", "TOPG".
extern const std::array<std::string_view, kSeasonColumns> kSeasonHeaders;
// The column of the table where a sheet column's total is, and where an average is.
inline constexpr int seasonColumnOf(Col col) {
    return 2 + col;
}
inline constexpr int seasonColumnOf(SeasonAverage average) {
    return 2 + kColumns + average;
}

struct SeasonLine {
    // The name as its button shows it (a single "&" dropped, "&&" as "&"), without outer blanks;
    // "#N" for line N left unnamed (or "#  name") that holds a stat; "Team" for the team.
    std::string player;
    int games = 0; // games in which the line holds any stat other than 0
    // The sums of the count columns, by Col; the three percentage columns hold 0 here and are
    // computed from the sums by percentage().
    std::array<double, kColumns> totals{};

    // FGPER, FTPER or TPPER from the made and attempted totals: 0 with no attempts.
    double percentage(Col col) const;
    // The total behind an average divided by the games played; 0 with no games.
    double average(SeasonAverage average) const;
};

// A file that did not count, with the reason File|Open gives for it.
struct LeftOutFile {
    std::string path;
    std::string reason;
};
// The reason of a file given again (by the same path or another way to it): it counts once.
inline constexpr std::string_view kAlreadyInSeason = "It is in the season already.";

struct Season {
    // Sorted by points per game, highest first; equal ones by name. A player named in some game
    // is listed even without a stat in any (0 games played).
    std::vector<SeasonLine> players;
    SeasonLine team; // over every game that counted: its games are the files that opened
    std::vector<LeftOutFile> leftOut; // in the order given
    std::vector<std::string> read;    // every file given, counted or not: no output may be one
};

inline constexpr std::string_view kTeamName = "Team";

// Adds up the games in order.
Season addUpSeason(const std::vector<GameContents>& games);
// Reads the files (as File|Open reads them) and adds up those that open, each file once.
Season readSeason(const std::vector<std::string>& paths);

// A row of the table as text: the name, games played, counts as the sheet writes them,
// percentages with two decimals ("66.67", in `decimalSeparator`, without "%") and averages
// with one ("12.3").
std::array<std::string, kSeasonColumns> seasonRowTexts(const SeasonLine& line,
                                                       std::string_view decimalSeparator = ".");
// The value a column sorts by: the games, a total, a percentage or an average (0 for the
// player's column, which sorts by name).
double seasonValue(const SeasonLine& line, int column);

// The season as CSV for spreadsheets, as the box score is written (csv.h): a header row, the
// players in the season's order, the team last; numbers with a point.
std::string seasonCsv(const Season& season);

} // namespace tallivant
