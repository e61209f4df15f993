// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A season: any number of game files added up per player and for the team, with games played,
// totals, percentages from the totals and per-game averages. Files are read with the game file's
// own reader; a file that does not open is left out with its reason and the rest still count.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/box_columns.h"
#include "formats/game_file.h"
#include "sheet/columns.h"

namespace tallivant {

// The table's columns: the player, games played, the box score's twenty columns as the game's
// CSV has them (box_columns.h: 2PM … 3P%, then FGM, FGA, FG% of every field goal, FTM … PTS),
// then six per-game averages.
enum SeasonAverage : int { PPG, RPG, APG, SPG, BPG, TOPG };
inline constexpr int kSeasonAverages = 6;
inline constexpr int kSeasonColumns = 2 + kBoxColumns + kSeasonAverages; // 28
// "Player", "GP", "2PM", … "PTS", "PPG", "RPG", "APG", "SPG", "BPG", "TOPG".
extern const std::array<std::string_view, kSeasonColumns> kSeasonHeaders;
// The column of the table where a box score column's total is, and where an average is.
inline constexpr int seasonColumnOf(BoxCol col) {
    return 2 + static_cast<int>(col);
}
inline constexpr int seasonColumnOf(SeasonAverage average) {
    return 2 + kBoxColumns + average;
}

struct SeasonLine {
    // The name as its button shows it (a single "&" dropped, "&&" as "&"), without outer blanks;
    // "#N" for line N left unnamed (or "#  name") that holds a stat; "Team" for the team.
    std::string player;
    int games = 0; // games in which the line holds any stat other than 0
    // The sums of the sheet's count columns, by Col; the three percentage columns hold 0 here.
    LineCounts totals{};

    // A box score column's total: the sheet's column, or two and three points together.
    double total(BoxCol col) const;
    // A percentage column from the made and attempted totals; nothing with no attempts.
    std::optional<double> percentage(BoxCol col) const;
    // The total behind an average divided by the games played; 0 with no games.
    double average(SeasonAverage average) const;
};

// A file that did not count, with the reason File|Open gives for it, or the season's own.
struct LeftOutFile {
    std::string path;
    std::string reason;
    // For an earlier save of another file: that file's path as given (the reason names it so).
    std::string laterSave;
};
// The reason of a file given again (by the same path or another way to it): it counts once.
inline constexpr std::string_view kAlreadyInSeason =
    QT_TRANSLATE_NOOP("Core", "It is in the season already.");
// The reason of a half-time save: "An earlier save of lincoln.txt." (kEarlierSave filled).
inline constexpr const char* kEarlierSave = QT_TRANSLATE_NOOP("Core", "An earlier save of %1.");
std::string earlierSaveReason(std::string_view laterSave);
// The reason of a game whose count field cannot be a count: "Player 3's points hold -50: a
// count must be a whole number from 0 to 9,999."; nothing when every count the season adds up
// (the players' lines and the game totals) is one. The English fill of kBadPlayerCount (the
// player's number, the column's spoken name, the text) or kBadTotalsCount (the column, the
// text).
std::optional<std::string> badCountReason(const GameContents& game);
inline constexpr const char* kBadPlayerCount = QT_TRANSLATE_NOOP(
    "Core", "Player %1's %2 hold %3: a count must be a whole number from 0 to 9,999.");
inline constexpr const char* kBadTotalsCount = QT_TRANSLATE_NOOP(
    "Core", "The game totals' %1 hold %2: a count must be a whole number from 0 to 9,999.");
inline constexpr double kMostInACount = 9999;

// A game the season counted, as its list shows it.
struct SeasonGame {
    std::string path;     // as given
    std::string date;     // the details' date as typed; empty without one
    std::string opponent; // the details' opponent; empty without one
    bool scored = false;  // the file holds details or opponent plays (score.h: hasScore)
    double ours = 0;      // the game's points, and with `scored` the opponent's
    int theirs = 0;
};

// The team's record over the games with a score; a tie is neither a win nor a loss.
struct SeasonRecord {
    int wins = 0, losses = 0, ties = 0;
    int scored = 0; // the games it is counted over
    double pointsAgainst = 0;
    // The opponents' points per game with a score; 0 with none.
    double againstPerGame() const { return scored > 0 ? pointsAgainst / scored : 0.0; }
};

struct Season {
    // Sorted by points per game, highest first; equal ones by name. A player named in some game
    // is listed even without a stat in any (0 games played).
    std::vector<SeasonLine> players;
    SeasonLine team; // over every game that counted: its games are the files that opened
    std::vector<LeftOutFile> leftOut; // in the order given
    std::vector<std::string> read;    // every file given, counted or not: no output may be one
    // The games counted, by date as typed (those without one last), equal dates by file name.
    std::vector<SeasonGame> games;
    SeasonRecord record;
};

// The list's order: by date (a game without one after those with one), then by file name,
// then by path.
void sortSeasonGames(std::vector<SeasonGame>& games);
// The team's record over the games.
SeasonRecord recordOf(const std::vector<SeasonGame>& games);
// "58-52" for a game with a score, empty without.
std::string scoreOf(const SeasonGame& game);
// "2-1", with " (1 tie)" or " (2 ties)" after it when there are any.
std::string recordText(const SeasonRecord& record);
// The team's line under the table: "Record 2-1, 54.3 points against per game (3 games with a
// score)", the average with one decimal in `decimalSeparator`; "No game with a score" without.
std::string recordLine(const SeasonRecord& record, std::string_view decimalSeparator = ".");
// The same as a marked template (one per number of ties and of games, each a whole sentence)
// and its values, for the window and the PDF to show in the scorer's language.
CoreText recordLineText(const SeasonRecord& record, std::string_view decimalSeparator = ".");
// The opponents' points per game with a score, with one decimal ("54.3").
std::string againstPerGameText(const SeasonRecord& record, std::string_view decimalSeparator = ".");
// The games list's columns: "Date", "Opponent", "Score", "File"; and a game's texts in them,
// the file by its name alone.
inline constexpr int kSeasonGameColumns = 4;
// (Marked: the window and the PDF show them through the translation.)
extern const std::array<std::string_view, kSeasonGameColumns> kSeasonGameHeaders;
std::array<std::string, kSeasonGameColumns> seasonGameTexts(const SeasonGame& game);

// The team's line: as it is in the season CSV, and marked for the window and the PDF.
inline constexpr std::string_view kTeamName = QT_TRANSLATE_NOOP("Core", "Team");

// Adds up the games in order.
Season addUpSeason(const std::vector<GameContents>& games);
// Reads the files (as File|Open reads them, plays and all) and adds up those that open, each
// file once, and each game once:
// - A file given again (by the same path or another way to it) is left out (kAlreadyInSeason).
// - A game holding a count that is none (badCountReason) is left out: one "-50" would subtract
//   fifty points from a player's season, one "1e308" would swamp the team's.
// - A half-time save is left out: a file whose plays, as first recorded (number, time, and the
//   player, stat and quarter they were recorded for, whatever was taken back, given or moved
//   since), are the first plays of another counted file, in order (earlierSaveReason). Of files
//   with the same plays, the one given last counts and the others name it. A file without
//   plays is never a save of another: the statistics alone cannot tell a game from a copy.
Season readSeason(const std::vector<std::string>& paths);

// A row of the table as text: the name, games played, counts as the sheet writes them,
// percentages with two decimals ("66.67", in `decimalSeparator`, without "%"), or
// `noAttempts` where there were none (empty in a CSV, a dash on the screen and on paper), and
// averages with one ("12.3").
std::array<std::string, kSeasonColumns> seasonRowTexts(const SeasonLine& line,
                                                       std::string_view decimalSeparator = ".",
                                                       std::string_view noAttempts = "");
// What the window and the PDF show for a percentage without attempts: an en dash.
inline constexpr std::string_view kNoAttemptsShown = "\xE2\x80\x93"; // U+2013
// The value a column sorts by: the games, a total, a percentage or an average (0 for the
// player's column, which sorts by name); NaN for a percentage without attempts, which sorts
// below every real one.
double seasonValue(const SeasonLine& line, int column);

// The season as CSV for spreadsheets, as the box score is written (csv.h): a header row, the
// players in the season's order, the team last; numbers with a point.
std::string seasonCsv(const Season& season);

} // namespace tallivant
