// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast a season of game files is read, added up and written as CSV.
#include <benchmark/benchmark.h>

#include "formats/saved_game.h"
#include "season/season.h"
#include "sheet/game.h"
#include "support/fake_dialogs.h"
#include "support/scratch_folder.h"
#include "support/stat_cycle.h"
#include "system/load_game.h"

using namespace tallivant;

namespace {

// A season's worth of files and more: each game with a roster of its own among 30 names, so
// that players come and go and change lines.
std::vector<std::string> writeSeason(const testing::ScratchFolder& folder, int games) {
    std::vector<std::string> paths;
    testing::FakeDialogs dialogs;
    for (int g = 0; g < games; ++g) {
        Game game{dialogs};
        for (int n = 1; n <= kPlayers; ++n)
            game.setName(n, std::to_string((n * 7 + g) % 30) + "  José &Ruiz");
        for (int i = 0; i < 150; ++i)
            testing::recordCycledStat(game, i + g);
        paths.push_back(folder / ("game " + std::to_string(g) + ".txt"));
        testing::writeBytes(paths.back(), encodeGameFile(contentsOf(game)));
    }
    return paths;
}

void BM_SeasonOfGameFiles(benchmark::State& state) {
    const testing::ScratchFolder folder;
    const std::vector<std::string> paths = writeSeason(folder, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Season season = readSeason(paths);
        benchmark::DoNotOptimize(seasonCsv(season));
        if (season.team.games != state.range(0)) state.SkipWithError("a game was left out");
    }
}
BENCHMARK(BM_SeasonOfGameFiles)->Arg(1000)->Unit(benchmark::kMillisecond);

// The reading alone, as File|Open reads each file: the share of the season spent on it.
void BM_ReadSeasonFiles(benchmark::State& state) {
    const testing::ScratchFolder folder;
    const std::vector<std::string> paths = writeSeason(folder, static_cast<int>(state.range(0)));
    for (auto _ : state)
        for (const std::string& path : paths)
            benchmark::DoNotOptimize(loadGameFile(path, Reading::GameOnly));
}
BENCHMARK(BM_ReadSeasonFiles)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
