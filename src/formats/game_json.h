// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game as it stands, as JSON for readers outside the program: the live page's game.json and
// the command line's --json (docs/game.schema.json). The box score uses the CSV's columns and
// cells. Every text is escaped so that the JSON can sit inside a web page as it is.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "formats/game_file.h"
#include "sheet/matchup.h"
#include "sheet/plays.h"

namespace tallivant {

class Game;

// What a copy of a game needs to be written out away from the window: its sheet, both sides'
// plays and details, and the quarter that is on.
struct GameSnapshot {
    GameContents contents;
    Matchup matchup;
    Plays plays;
    Quarter quarter = Quarter::First;
};
GameSnapshot snapshotOf(const Game& game, Quarter quarter);

// How players are named outside: as on the buttons, or only by their numbers, for a club that
// keeps minors' names off the web.
enum class PageNames { AsOnButtons, NumbersOnly };

// The player as the page names them: the button's name; with NumbersOnly the number the name
// starts with ("6 Tess Kim" gives "6"), else "#" and the button. Empty for an empty button.
std::string pageName(const std::string& typed, int player, PageNames names);

// The plays' part of game.json kept from one write to the next, so that a play that has not
// changed since is not composed again: after a stat, one play is.
class PlaysJson {
public:
    void append(std::string& out, const GameSnapshot& game,
                const std::array<std::string, kPlayers>& names);

private:
    struct Kept {
        bool theirs = false;
        Play ours;
        OpponentPlay opponent;
        std::string text;
    };
    std::vector<Kept> plays_;
    std::array<std::string, kPlayers> names_;
    Rules rules_;
};

// `updated` is when, as "2026-12-09T20:14:05+01:00". With `cache`, the plays that are as they
// were at the last call with it are taken from it.
std::string gameJson(const GameSnapshot& game, PageNames names, std::string_view updated,
                     PlaysJson* cache = nullptr);

// The text as a JSON string, quotes included: UTF-8 as it is, but for the escapes JSON needs and
// < > & as \u003c \u003e \u0026. Bytes that are not UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);
void appendJsonString(std::string& out, std::string_view text);

} // namespace tallivant
