// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks' game: a name click and a stat, cycling over players, stats and quarters.
#pragma once

#include "sheet/game.h"

namespace tallivant::testing {

// The i-th stat of the cycle. A made field goal stands in for the personal foul: from the
// third one, a foul asks the (fake) user every time.
inline void recordCycledStat(Game& game, int i) {
    game.selectPlayer(1 + i % kPlayers);
    int row = i % kStats;
    if (kStatTable[row].letter == 'm') row = 0;
    game.record(row, static_cast<Quarter>(i % kQuarters));
}

} // namespace tallivant::testing
