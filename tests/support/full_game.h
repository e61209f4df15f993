// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole game for the tests of what leaves the program (the report on paper and as PDF, the
// CSV files, the command line): every stat of the table recorded in each quarter and in
// overtime, by players whose names hold accents, "&", a comma and a double quote, the last stat
// taken back, and the plays stamped with fixed times.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "sheet/game.h"

namespace tallivant::testing {

inline const std::array<std::string, kPlayers> kFullGameNames = {
    "4 Zoë Åberg", "5 Lee, Ann", "7 Mo \"Big\" Ba", "&Zed",   "10 O’Neil", "R&&B", "",
    "12 Ünal",     "#  name",    "3 Kim",           "21 Sam", "9 Ash"};

// The time of the n-th play (from 0): "19:00:00", "19:00:07", …
inline std::string fullGameTime(int n) {
    const int seconds = 19 * 3600 + 7 * n;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

// The player who records stat `row` in quarter `q`.
inline int fullGamePlayer(int row, int q) {
    return 1 + (row + 5 * q) % kPlayers;
}

inline void playFullGame(Game& game) {
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, kFullGameNames[n - 1]);
    game.setTimeOfDay([n = std::make_shared<int>(0)] { return fullGameTime((*n)++); });
    for (int q = 0; q < kQuarters; ++q)
        for (int row = 0; row < kStats; ++row) {
            game.selectPlayer(fullGamePlayer(row, q));
            game.record(row, static_cast<Quarter>(q));
        }
    game.takeback();
}

} // namespace tallivant::testing
