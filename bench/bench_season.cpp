// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast a season of game files is read, added up and written as CSV.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

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
// that players come and go and change lines, and its 150 plays at times of its own, as File|Save
// writes them (the season reads the plays to tell a half-time save from a game), with details
// and an opponent play for every four of ours (the season lists the games with their scores).
std::vector<std::string> writeSeason(const testing::ScratchFolder& folder, int games) {
    std::vector<std::string> paths;
    testing::FakeDialogs dialogs;
    for (int g = 0; g < games; ++g) {
        Game game{dialogs};
        game.setTimeOfDay([second = g * 151]() mutable {
            const int s = second++;
            char text[40];
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", s / 3600 % 24, s / 60 % 60, s % 60);
            return std::string(text);
        });
        for (int n = 1; n <= kPlayers; ++n)
            game.setName(n, std::to_string((n * 7 + g) % 30) + "  José &Ruiz");
        game.setDetails({"Eagles",
                         "Hawks " + std::to_string(g % 37),
                         "2026-" + std::to_string(10 + g % 3) + "-" + std::to_string(10 + g % 19),
                         "North Gym",
                         {}});
        for (int i = 0; i < 150; ++i) {
            testing::recordCycledStat(game, i + g);
            if (i % 4 == 0)
                game.recordOpponent(static_cast<OpponentWhat>(i / 4 % 4),
                                    static_cast<Quarter>(i % 5));
        }
        paths.push_back(folder / ("game " + std::to_string(g) + ".txt"));
        testing::writeBytes(paths.back(), *encodeSavedGame(contentsOf(game), Quarter::First,
                                                           game.plays(), game.matchup()));
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

// The reading alone, as File|Open reads each file, plays and all: the share of the season spent
// on it.
void BM_ReadSeasonFiles(benchmark::State& state) {
    const testing::ScratchFolder folder;
    const std::vector<std::string> paths = writeSeason(folder, static_cast<int>(state.range(0)));
    for (auto _ : state)
        for (const std::string& path : paths)
            benchmark::DoNotOptimize(loadGameFile(path));
}
BENCHMARK(BM_ReadSeasonFiles)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
