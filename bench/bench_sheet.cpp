// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How many stat clicks and takebacks the engine does per second, without a window.
#include <benchmark/benchmark.h>

#include "sheet/game.h"
#include "support/fake_dialogs.h"
#include "support/stat_cycle.h"

using namespace tallivant;

namespace {

// A name click and a stat, cycling over players, stats and quarters.
void BM_StatClick(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    int i = 0;
    for (auto _ : state) {
        testing::recordCycledStat(game, i++);
        if (dialogs.shown.size() > 1000) dialogs.shown.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StatClick);

// A made field goal followed by its takeback.
void BM_StatAndTakeback(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    for (auto _ : state) {
        game.selectPlayer(3);
        game.record(0, Quarter::Second);
        game.takeback();
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_StatAndTakeback);

} // namespace
