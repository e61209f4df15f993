// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast a game file is composed, read back and saved safely to disk.
#include <benchmark/benchmark.h>

#include "formats/game_file.h"
#include "formats/game_json.h"
#include "formats/live_page.h"
#include "formats/saved_game.h"
#include "session/file_commands.h"
#include "sheet/game.h"
#include "store/recovery.h"
#include "support/fake_dialogs.h"
#include "support/scratch_folder.h"
#include "support/stat_cycle.h"
#include "system/disk.h"
#include "system/door.h"

using namespace tallivant;

namespace {

GameContents playedGame() {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, std::to_string(n * 3) + "  José, Jr");
    for (int i = 0; i < 400; ++i)
        testing::recordCycledStat(game, i);
    return contentsOf(game);
}

void BM_ComposeGameFile(benchmark::State& state) {
    const GameContents game = playedGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeGameFile(game));
}
BENCHMARK(BM_ComposeGameFile);

void BM_ReadGameFile(benchmark::State& state) {
    const std::string bytes = encodeGameFile(playedGame());
    for (auto _ : state)
        benchmark::DoNotOptimize(parseGameFile(bytes));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadGameFile);

class OpenHost : public FilesHost {
public:
    Quarter quarter = Quarter::First;
    std::string label;
    void switchFirstQuarterOn() override { quarter = Quarter::First; }
    void switchQuarterOn(Quarter q) override { quarter = q; }
    void setFileLabel(const std::string& path) override { label = path; }
    std::string fileLabel() const override { return label; }
};

// File|Open of a game with that many plays, from the file dialog's answer to the game on the
// window: the file read, its plays checked against its statistics, fields and plays put in.
void BM_OpenGameWithPlays(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    for (int i = 0; i < state.range(0); ++i)
        testing::recordCycledStat(game, i);
    const testing::ScratchFolder folder;
    const std::string path = folder / "game.txt";
    testing::writeBytes(path, *encodeSavedGame(contentsOf(game), Quarter::Third, game.plays()));
    Game opened{dialogs};
    OpenHost host;
    FileCommands files{opened, dialogs, host};
    for (auto _ : state) {
        dialogs.fileAnswers.push_back(path);
        files.openGame();
    }
    if (opened.plays() != game.plays() || host.quarter != Quarter::Third)
        state.SkipWithError("the game did not open with its plays");
}
BENCHMARK(BM_OpenGameWithPlays)->Arg(1000)->Unit(benchmark::kMillisecond);

// Dominated by fsync: what the scorer waits for after choosing a file name.
void BM_SaveSafelyToDisk(benchmark::State& state) {
    const std::string bytes = encodeGameFile(playedGame());
    const testing::ScratchFolder folder;
    const std::string path = folder / "game.txt";
    for (auto _ : state)
        benchmark::DoNotOptimize(writeFileSafely(path, bytes));
}
BENCHMARK(BM_SaveSafelyToDisk)->Unit(benchmark::kMillisecond);

// What the recovery copy adds to every stat: the game written and renamed into place, no fsync.
// The sync that follows within a second, off the stat's path, removes the versions written
// before it; it is left out of the time.
// With an argument of 1,000, a game of that many plays, each written again at every copy.
void BM_RecoveryCopyWrite(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    for (int i = 0; i < state.range(0); ++i)
        testing::recordCycledStat(game, i);
    const KeptGame kept{state.range(0) ? contentsOf(game) : playedGame(),
                        "/games/monday.txt",
                        Quarter::Third,
                        {},
                        game.plays()};
    const testing::ScratchFolder folder;
    Recovery recovery(folder / "tallivant");
    int written = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(recovery.write(kept));
        if (++written % 20 == 0) {
            state.PauseTiming();
            recovery.sync();
            state.ResumeTiming();
        }
    }
    recovery.remove();
}
BENCHMARK(BM_RecoveryCopyWrite)->Arg(0)->Arg(1000)->Unit(benchmark::kMicrosecond);

// What the live page's writer does after each change, off the stat's path: game.json made from
// a copy of the game, the page around it, and both files replaced by rename without a sync.
// A game of 1,000 plays of ours and 300 of the opponent's, with details.
void BM_LivePageWrite(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, std::to_string(n * 3) + " José, Jr");
    game.setDetails({"Eagles", "Hawks", "2026-12-09", "North Gym", {}});
    for (int i = 0; i < state.range(0); ++i) {
        testing::recordCycledStat(game, i);
        if (i % 10 < 3) game.recordOpponent(static_cast<OpponentWhat>(i % 4), Quarter::Second);
    }
    // The game before and after one more stat, in turns, as the writer sees them in a game: each
    // write composes the one play that differs from the last write's.
    const GameSnapshot before = snapshotOf(game, Quarter::Third);
    testing::recordCycledStat(game, static_cast<int>(state.range(0)));
    const GameSnapshot after = snapshotOf(game, Quarter::Third);
    PlaysJson plays;
    const testing::ScratchFolder folder;
    const std::string json = folder / "game.json", page = folder / "index.html";
    bool turn = false;
    for (auto _ : state) {
        const GameSnapshot& snapshot = (turn = !turn) ? after : before;
        const std::string bytes =
            gameJson(snapshot, PageNames::AsOnButtons, "2026-12-09T20:14:05+01:00", &plays);
        benchmark::DoNotOptimize(publishFile(json, bytes));
        benchmark::DoNotOptimize(publishFile(page, livePage(bytes)));
    }
    state.counters["json_bytes"] =
        static_cast<double>(gameJson(after, PageNames::AsOnButtons, "").size());
}
BENCHMARK(BM_LivePageWrite)->Arg(1000)->Unit(benchmark::kMicrosecond);

// What sharing adds to the stat's own path: the copy of a game of 1,000 plays handed to the
// page's writer.
void BM_SnapshotCopy(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    for (int i = 0; i < 1000; ++i)
        testing::recordCycledStat(game, i);
    for (auto _ : state)
        benchmark::DoNotOptimize(snapshotOf(game, Quarter::Third));
}
BENCHMARK(BM_SnapshotCopy)->Unit(benchmark::kMicrosecond);

} // namespace
