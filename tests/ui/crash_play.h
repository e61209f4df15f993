// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game the crash tests play: a fixed sequence of stats and takebacks, drawn from a seed,
// played through the window by a child process and through the engine by the test, which
// then knows the game after every step.
#pragma once

#include <random>
#include <vector>

#include "sheet/game.h"

namespace tallivant::testing {

struct PlayStep {
    int player;  // 1 to 12
    int statRow; // a row of the stat table, or -1 for Takeback
    Quarter quarter;
};

inline std::vector<PlayStep> playSteps(unsigned seed, int count) {
    std::mt19937 random(seed);
    std::vector<PlayStep> steps;
    for (int i = 0; i < count; ++i) {
        const int player = 1 + static_cast<int>(random() % kPlayers);
        // No personal fouls: from the third, they show a box.
        int row = static_cast<int>(random() % (kStats + 1)) - 1;
        if (row >= 0 && kStatTable[row].letter == 'm') row = -1;
        steps.push_back({player, row, static_cast<Quarter>(random() % kQuarters)});
    }
    return steps;
}

inline void playStep(Game& game, const PlayStep& s) {
    if (s.statRow < 0) {
        game.takeback();
        return;
    }
    game.selectPlayer(s.player);
    game.record(s.statRow, s.quarter);
}

} // namespace tallivant::testing
