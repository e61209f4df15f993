// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The other half of a game: who played whom, when and where, under which rules, and the
// opponent's plays (points and team fouls, as the scorer records them by key or sets a
// quarter's points), from which its score by quarter and its team fouls are counted.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/columns.h"
#include "sheet/plays.h"
#include "sheet/rules.h"

namespace tallivant {

struct GameDetails {
    std::string team;     // our team's name
    std::string opponent; // the opponent's name
    std::string date;     // as typed; the details box offers today, yyyy-mm-dd
    std::string place;
    Rules rules;
    // Whether any detail was given: a game without them reports exactly as it always did.
    bool given() const {
        return !team.empty() || !opponent.empty() || !date.empty() || !place.empty();
    }
    friend bool operator==(const GameDetails&, const GameDetails&) = default;
};

enum class OpponentWhat : int { One, Two, Three, Foul, Set };

struct OpponentPlay {
    int number = 0;   // 1, 2, … in the order recorded, apart from our plays
    std::string time; // "hh:mm:ss"
    Quarter quarter = Quarter::First;
    OpponentWhat what = OpponentWhat::Two;
    int figure = 0; // with Set: the quarter's points from this play on
    bool counted = true;
    std::optional<Quarter> fromQuarter; // the quarter it was recorded in, once moved
    // The number of our last play when it was recorded (0 before any), so that both sides keep
    // their order within a second; -1 in a file that does not say (the game then takes it from
    // the times).
    int after = 0;
    friend bool operator==(const OpponentPlay&, const OpponentPlay&) = default;
};
using OpponentPlays = std::vector<OpponentPlay>;

struct Matchup {
    GameDetails details;
    OpponentPlays opponent;
    bool empty() const { return !details.given() && opponent.empty(); }
    friend bool operator==(const Matchup&, const Matchup&) = default;
};

// The points a play of the opponent's adds: 1, 2 or 3; none for a team foul or a set figure.
int pointsOf(OpponentWhat what);

// A quarter's points: a counted "set" play gives the figure, the counted points recorded after
// it in that quarter add to it.
int opponentPoints(const OpponentPlays& plays, Quarter quarter);
std::array<int, kQuarters> opponentPointsByQuarter(const OpponentPlays& plays);
std::array<int, kQuarters> opponentFoulsByQuarter(const OpponentPlays& plays);

// Both sides' plays in the order they were recorded: each opponent play after the play of ours
// it came after. An entry names its side and its place in that side's list.
struct PlayRef {
    bool theirs = false;
    int index = 0;
};
std::vector<PlayRef> bothSidesInOrder(const Plays& ours, const OpponentPlays& theirs);

// "1 point", "2 points", "3 points", "Team foul", "Points set to 14", in English.
std::string opponentWords(const OpponentPlay& play);
// The same as a marked text ("Core") to translate: "Points set to %1" fills %1 with the figure.
std::string_view opponentWordsText(OpponentWhat what);
// "taken back", "from <quarter>" (both joined by ", "), or nothing, in English.
std::string opponentNote(const OpponentPlay& play);
// Its parts, as playNoteParts gives them.
NoteParts opponentNoteParts(const OpponentPlay& play);
// The record's "what": "1", "2", "3", "foul", "set 14"; and back (nothing for anything else).
std::string opponentCode(const OpponentPlay& play);
bool readOpponentCode(std::string_view code, OpponentPlay& play);

// The names the score line and the report give the sides: the details' names, else "Us" and
// "Opponent" (kUs, kOpponent: a window shows those translated, and a typed name as it is).
inline constexpr const char* kUs = QT_TRANSLATE_NOOP("Core", "Us");
inline constexpr const char* kOpponent = QT_TRANSLATE_NOOP("Core", "Opponent");
std::string ourName(const GameDetails& details);
std::string theirName(const GameDetails& details);

} // namespace tallivant
