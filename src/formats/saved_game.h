// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game file as File|Save writes it: the game's 19 records (game_file.h), then a record of the
// quarter that was on and one record a play, oldest first:
//
//   "Quarter","3rd"
//   "Play","7","19:42:05","2nd","4","m","counted","9","1st"
//
// A reader that stops after the 342nd value reads the same game from it. The plays are read
// back only when they can be the game's: a file whose plays do not fit opens without them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "formats/game_file.h"
#include "sheet/matchup.h"
#include "sheet/plays.h"

namespace tallivant {

// The 19 records stay within kMaxGameFileBytes; the plays may add two more MiB, room for some
// 31,000 plays where a game has a few hundred.
inline constexpr std::size_t kMaxSavedGameBytes = 3 * 1024 * 1024;

struct SavedGame {
    GameContents game;
    Quarter quarter = Quarter::First; // the first quarter when the file names none
    Plays plays;
    // The file held plays that are not plays or do not fit its statistics; `plays` is empty.
    bool playsLeftOut = false;
    // With playsLeftOut: the plays were left out only because they are too many (fitsSavedGame).
    bool tooManyPlays = false;
    // The details and the opponent's plays (matchup_records.h), when the file holds them.
    Matchup matchup;
    // An opponent record that is not one: the opponent's plays are left out, the rest opens.
    bool opponentLeftOut = false;
};

// The records after the 19: the quarter, then the plays; none for a game without plays in the
// first quarter, which opens as that from the 19 alone. Only ASCII, so the game's own text
// alone decides the file's encoding.
std::string quarterAndPlaysText(Quarter quarter, const Plays& plays);

// The same records for a game that grows by a play at a time and is written after every stat
// (the recovery copy): the play records are composed again only from the first play that
// changed since the last call, so that a stat does not pay for a thousand plays before it.
class PlaysText {
public:
    // quarterAndPlaysText(quarter, plays), valid until the next call.
    const std::string& of(Quarter quarter, const Plays& plays);

private:
    Plays plays_;                   // as composed last time
    std::vector<std::size_t> ends_; // where each play's record ends in records_
    std::string records_;           // the play records
    std::string text_;
};

// The most bytes quarterAndPlaysText can give for these plays, whatever corrections they take
// later: each taken back, given from a two-digit player to another, moved from a quarter of
// three letters to another.
std::size_t longestQuarterAndPlaysText(const Plays& plays);

// Whether a game whose 19 records encodeGameFile writes in `gameBytes` can be written with
// these plays through every correction to come: the 19 records within kMaxGameFileBytes, and
// with every play at its longest the whole within kMaxSavedGameBytes. Save, the recovery copy
// and Open judge a game by this one rule, so that whatever opens can be kept and saved, and
// whatever is saved opens with its plays.
// `otherBytes` are what the records after the plays (matchup_records.h) may take at most.
bool fitsSavedGame(std::size_t gameBytes, const Plays& plays, std::size_t otherBytes = 0);

// The file's bytes: the 19 records exactly as encodeGameFile writes them, then the quarter and
// the plays. Nothing when the game does not fit (fitsSavedGame).
std::optional<std::string> encodeSavedGame(const GameContents& game, Quarter quarter,
                                           const Plays& plays, const Matchup& matchup = {});

// How much of a game file a reader needs: all of it, or the game's 19 records alone (a season,
// which adds up the statistics and has no use for the quarter and the plays).
enum class Reading { Whole, GameOnly };

// The game in a file of at most kMaxSavedGameBytes, or why the bytes are not one (the reasons
// of readGameFile, a NUL counting only in the 19 records). Plays that are not plays, do not fit
// the game or are too many are left out, and so are all of them when a byte after the 19
// records is a NUL or outside ASCII (decodeGameFileText).
std::variant<SavedGame, NotAGameFile> readSavedGame(std::string_view bytes,
                                                    Reading reading = Reading::Whole);

// The records after the 19 in a game file's text: each line's values (splitValues), the
// record's name first; a blank line holds none. Those records are ASCII with no quote inside a
// value, so a line is a record.
std::vector<std::vector<std::string>> splitRecords(std::string_view text);
// One record after the 19 read into `saved`: true when it is one of a saved game's kinds
// ("Quarter", "Play", "Opponent", "Details"). A reader skips a record of any other kind, so a
// file that a later version adds records to still opens. A play record that is not one leaves
// the plays out.
bool readGameRecord(const std::vector<std::string>& record, SavedGame& saved);
// The values of the records after the 19, read strictly: a quarter as quarterName writes it,
// plain decimal digits (no sign, at most nine), a time of day hh:mm:ss.
std::optional<Quarter> quarterNamed(std::string_view name);
std::optional<int> plainNumber(std::string_view text);
bool isTimeOfDay(std::string_view t);

// Leaves the plays of `saved` out unless they fit its game (playsFit) and are not too many for
// it to be written again (fitsSavedGame). The game is one gameOfValues read.
void keepPlaysThatFit(SavedGame& saved);

// Whether the plays can be the game's: numbered 1, 2, 3, … in order, each with a time of day
// hh:mm:ss, a stat letter, a player 1 to 12 and a quarter, given only from another player and
// moved only from another quarter; and no count field of the game smaller than what the counted
// plays add to it (the game may hold stats recorded before its plays were kept).
bool playsFit(const Plays& plays, const GameContents& game);

} // namespace tallivant
