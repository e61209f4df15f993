// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the crash driver writes and the crash tests expect back, the same in both processes: the
// games, and where in the driver's folder the saved game and the recovery copies live.
#pragma once

#include <string>

#include "formats/game_file.h"

namespace tallivant::testing {

// The driver's folder holds games/ and state/ before it starts; it creates nothing else.
inline constexpr const char* kGamesFolder = "games";
inline constexpr const char* kStateFolder = "state";
inline constexpr const char* kSavedGame = "games/game.txt";

// Game number n: every one different from every other, with text in every field and a name
// that needs UTF-8.
inline GameContents gameNumber(int n) {
    GameContents game;
    for (int p = 0; p < kPlayers; ++p)
        game.names[p] = std::to_string(4 + p) + " Zoë " + std::to_string(n);
    for (int f = 0; f < kFields; ++f)
        game.fields[f] = std::to_string((f * 7 + n * 31) % 97);
    game.fields[0] = std::to_string(n);
    return game;
}

// The game on the disk before a save, the game the save writes, and the recovery copy's
// writes, numbered from 0 (the one on the disk before the phase begins).
inline GameContents oldSavedGame() {
    return gameNumber(1000);
}
inline GameContents newSavedGame() {
    return gameNumber(1001);
}
inline GameContents copyNumber(int n) {
    return gameNumber(n);
}

} // namespace tallivant::testing
