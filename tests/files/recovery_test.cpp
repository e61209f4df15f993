// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy's files, without a window: which versions stay until a newer one is on the
// disk, what a copy holds and reads back, and where a discarded game goes.
#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "formats/encoding.h"
#include "formats/saved_game.h"
#include "store/recovery.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"
#include "system/disk.h"

namespace tallivant::testing {
namespace {

namespace fs = std::filesystem;

KeptGame keptGame(int rebounds, std::string label = {}) {
    KeptGame kept;
    kept.game.names.fill("#  name");
    kept.game.fields.fill("0");
    kept.game.names[0] = "4 Ann Lee";
    kept.game.fields[fieldByName("txtreb_1").id()] = std::to_string(rebounds);
    kept.label = std::move(label);
    return kept;
}

// A game of `stats` made shots and as many plays, player `stats` on the floor.
KeptGame playedGame(int stats) {
    FakeDialogs dialogs;
    Game game{dialogs};
    for (int i = 0; i < stats; ++i) {
        game.selectPlayer(2);
        game.record(statRow('c'), Quarter::Second);
    }
    KeptGame kept{contentsOf(game), "", Quarter::Second, game.memory(), game.plays()};
    kept.marks.onFloor[stats] = true;
    return kept;
}

std::vector<std::string> filesIn(const fs::path& folder, const std::string& suffix) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.path().filename().string().ends_with(suffix)) out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

class RecoveryFiles : public ::testing::Test {
protected:
    ScratchFolder scratch;
    std::string state = scratch / "state";

    // What the next start finds, as another copy of the program.
    std::optional<Recovery::Found> nextStart() { return Recovery(state).claimLeftBehind(); }
};

// A power cut may keep the rename of a new version but lose its data; the version before it
// must still be there, and is the one offered.
TEST_F(RecoveryFiles, AVersionStaysUntilANewerOneIsOnTheDiskAndIsOfferedWhenTheNewerIsEmpty) {
    {
        Recovery copy(state);
        ASSERT_FALSE(copy.write(keptGame(1)));
        ASSERT_FALSE(copy.sync());
        ASSERT_FALSE(copy.write(keptGame(2)));
        ASSERT_FALSE(copy.write(keptGame(3)));
        // Nothing is on the disk yet but the first: it stays, and so do both newer ones.
        EXPECT_EQ(filesIn(state, ".txt").size(), 3u);
        ASSERT_FALSE(copy.sync());
        ASSERT_EQ(filesIn(state, ".txt"), std::vector{copy.path()});

        ASSERT_FALSE(copy.write(keptGame(4)));
        // The power goes before the sync: the newest file is there, empty.
        writeBytes(copy.path(), "");
    }
    const auto found = nextStart();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kept.game, keptGame(3).game);
    EXPECT_EQ(filesIn(state, ".broken").size(), 1u);
    // The offered version is made durable before the one it supersedes goes.
    EXPECT_EQ(filesIn(state, ".txt").size(), 1u);
}

// A version is whole only when its last record gives the length and CRC-32 of all before it.
// One torn inside its plays (a power cut) or damaged is set aside, and the whole one before it
// is offered and kept.
TEST_F(RecoveryFiles, ATornOrDamagedVersionIsNeverOfferedAndTheWholeOneBeforeItStays) {
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    const KeptGame older = playedGame(3), newer = playedGame(6);
    Recovery(state).write(newer);
    const std::string whole = readBytes(filesIn(state, ".txt").at(0));
    // File|Open reads a copy like any game file.
    EXPECT_EQ(std::get<SavedGame>(readSavedGame(whole)).plays, newer.plays);
    const std::size_t play = whole.find("\"Play\",\"4\""), end = whole.rfind("\"End\"");
    std::string flipped = whole, badCrc = whole;
    flipped[play + 8] = '5';
    badCrc[whole.size() - 4] ^= 1;
    const struct {
        std::string bytes;
        bool offered; // else the older version is
    } cases[] = {{whole.substr(0, play), false},
                 {whole.substr(0, play + 13), false},
                 {flipped, false},
                 {badCrc, false},
                 // An older program's copy, with no trailer, is whole when its last record is.
                 {whole.substr(0, end), true},
                 {whole.substr(0, end - 3), false}};
    for (const auto& c : cases) {
        const std::string folder = state + "/" + std::to_string(&c - cases);
        SCOPED_TRACE(folder);
        std::string first, second;
        {
            Recovery copy(folder);
            ASSERT_FALSE(copy.write(older) || copy.sync());
            first = copy.path();
            ASSERT_FALSE(copy.write(newer));
            second = copy.path();
        }
        writeBytes(second, c.bytes);
        const auto found = Recovery(folder).claimLeftBehind();
        ASSERT_TRUE(found);
        EXPECT_EQ(found->kept.plays, (c.offered ? newer : older).plays);
        EXPECT_EQ(found->kept.marks, (c.offered ? newer : older).marks);
        EXPECT_EQ(filesIn(pathOf(folder), ".txt"), std::vector{c.offered ? second : first});
    }
}

// The game kept in discarded/ has its bytes on the disk before it is renamed there (else a
// power cut can leave it empty), and its name before any other version of it goes. When a
// sync fails, nothing goes, and the next start offers the newest version left.
TEST_F(RecoveryFiles, ADiscardedGameIsOnTheDiskBeforeAnyOtherVersionOfItGoes) {
    for (const std::size_t failing : {0, 1, 9}) {
        const std::string folder = state + "/" + std::to_string(failing);
        Recovery copy(folder);
        ASSERT_FALSE(copy.write(keptGame(1)) || copy.sync() || copy.write(keptGame(2)));
        const std::string older = filesIn(folder, ".txt").at(0), newest = copy.path();
        std::vector<std::string> syncs; // each file synced, and whether the older one was there
        copy.setDiskSync([&](const std::string& path, const std::string& in) {
            syncs.push_back(path + (fs::exists(older) ? " older" : ""));
            return syncs.size() - 1 == failing ? "Input/output error" : syncToDisk(path, in);
        });
        EXPECT_EQ(copy.discard().has_value(), failing < 9);
        ASSERT_GE(syncs.size(), std::min<std::size_t>(failing + 1, 2));
        EXPECT_EQ(syncs[0], newest + " older");
        // Then the game where it went, the older version still there.
        EXPECT_TRUE(failing == 0 ||
                    (syncs[1].starts_with(copy.discardedFolder()) && syncs[1].ends_with(" older")));
        EXPECT_EQ(fs::exists(older), failing < 9) << failing;
        const auto found = Recovery(folder).claimLeftBehind();
        ASSERT_EQ(found.has_value(), failing < 9);
        if (!found) continue;
        EXPECT_EQ(found->kept.game, keptGame(failing == 0 ? 2 : 1).game);
    }
}

TEST_F(RecoveryFiles, ACopyReadsBackWhatItHoldsEvenAGameThatIsLargeOnlyInUtf8) {
    // Opened from a Windows-1252 file just under the limit: in UTF-8 it would be twice as large.
    KeptGame kept = keptGame(7, "/spiele/Zoë & Ümit \"final\" 100%.txt");
    const std::string accents(3200, '\xE9'); // é in Windows-1252
    for (int id = 0; id < kFields; ++id)
        kept.game.fields[id] = cp1252ToUtf8(accents);
    ASSERT_LE(encodeGameFile(kept.game).size(), kMaxGameFileBytes);
    ASSERT_GT(gameFileText(kept.game).size(), kMaxGameFileBytes);
    kept.quarter = Quarter::Fourth;
    kept.memory = {5, 'm', 5, Quarter::Overtime};
    kept.sharing = {"/srv/www/Zoë \"live\" 100%", true};
    {
        Recovery copy(state);
        ASSERT_FALSE(copy.write(kept));
    }
    const auto found = nextStart();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kept.game, kept.game);
    EXPECT_EQ(found->kept.label, kept.label);
    EXPECT_EQ(found->kept.quarter, Quarter::Fourth);
    EXPECT_EQ(found->kept.memory, kept.memory);
    EXPECT_EQ(found->kept.sharing, kept.sharing);
    EXPECT_NEAR(static_cast<double>(found->changed),
                static_cast<double>(std::chrono::duration_cast<std::chrono::seconds>(
                                        std::chrono::system_clock::now().time_since_epoch())
                                        .count()),
                60);
}

TEST_F(RecoveryFiles, ACopyKeepsThePlaysThatFitItsGame) {
    FakeDialogs dialogs;
    Game game{dialogs};
    for (const char letter : {'c', 'h', 'm', 'e'}) {
        game.selectPlayer(letter == 'h' ? 2 : 6);
        game.record(statRow(letter), Quarter::Second);
    }
    game.takeback();
    ASSERT_TRUE(game.givePlays({1}, 11));
    ASSERT_TRUE(game.movePlays({0, 2}, Quarter::Fourth));
    const KeptGame kept{contentsOf(game), "/games/monday.txt", Quarter::Third, game.memory(),
                        game.plays()};
    {
        Recovery copy(state);
        ASSERT_FALSE(copy.write(kept));
    }
    const auto found = nextStart();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kept.game, kept.game);
    EXPECT_EQ(found->kept.plays, kept.plays);
    EXPECT_EQ(found->kept.quarter, Quarter::Third);
    EXPECT_EQ(found->kept.label, kept.label);

    // Plays that do not fit the copy's statistics are not brought back; the game is.
    KeptGame odd = kept;
    odd.game.fields[fieldByName("txt4thpf").id()] = "0";
    {
        Recovery copy(state + "-odd");
        ASSERT_FALSE(copy.write(odd));
    }
    const auto oddFound = Recovery(state + "-odd").claimLeftBehind();
    ASSERT_TRUE(oddFound);
    EXPECT_EQ(oddFound->kept.game, odd.game);
    EXPECT_TRUE(oddFound->kept.plays.empty());
}

TEST_F(RecoveryFiles, DiscardedGamesAreNamedForTheirTimeAndFileAndTheNewestTwentyStay) {
    Recovery copy(state);
    const fs::path discarded = pathOf(copy.discardedFolder());
    // Twenty games from a clock that was ahead: by their times, every fresh discard is older.
    fs::create_directories(discarded);
    const auto ahead = fs::file_time_type::clock::now() + std::chrono::hours(24 * 365);
    for (int i = 0; i < 20; ++i) {
        const fs::path old = discarded / ("3000-01-01 00-00 old " + std::to_string(i) + ".txt");
        writeBytes(old, "old");
        fs::last_write_time(old, ahead + std::chrono::minutes(i));
    }
    std::vector<std::string> fresh;
    for (int game = 1; game <= 2; ++game) {
        ASSERT_FALSE(copy.write(keptGame(game, "/home/coach/games/lincoln.txt")));
        ASSERT_FALSE(copy.discard());
        EXPECT_FALSE(fs::exists(pathOf(copy.path())));
        // The games just discarded stay, whatever the times of the others say: the oldest of
        // those goes instead.
        const auto kept = filesIn(discarded, ".txt");
        EXPECT_EQ(kept.size(), Recovery::kDiscardedKept);
        std::vector<std::string> now;
        for (const auto& path : kept)
            if (fs::path(path).filename().string().find(" old ") == std::string::npos)
                now.push_back(path);
        ASSERT_EQ(now.size(), static_cast<std::size_t>(game));
        EXPECT_FALSE(
            fs::exists(discarded / ("3000-01-01 00-00 old " + std::to_string(game - 1) + ".txt")));
        const auto newest = std::find_if(now.begin(), now.end(), [&](const std::string& p) {
            return std::find(fresh.begin(), fresh.end(), p) == fresh.end();
        });
        ASSERT_NE(newest, now.end());
        EXPECT_TRUE(isDiscardedName(fs::path(*newest).filename().string(), "lincoln")) << *newest;
        const auto back = parseGameFile(readBytes(*newest));
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, keptGame(game).game);
        fresh.push_back(*newest);
    }
    EXPECT_NE(fresh[0], fresh[1]);
    EXPECT_FALSE(nextStart());
}

// `discarded` is a file: the game cannot go there, so it stays where the next start finds it.
TEST_F(RecoveryFiles, ADiscardThatCannotKeepTheGameSaysWhyAndLeavesItForTheNextStart) {
    Recovery copy(state);
    ASSERT_FALSE(copy.write(keptGame(9, "/games/monday.txt")));
    writeBytes(pathOf(copy.discardedFolder()), "in the way");
    const auto why = copy.discard();
    ASSERT_TRUE(why);
    EXPECT_FALSE(why->empty());
    // This copy goes on with files of its own, and leaves the kept one alone.
    ASSERT_FALSE(copy.write(keptGame(1)));
    ASSERT_FALSE(copy.sync());
    copy.remove();
    const auto found = nextStart();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kept.game, keptGame(9).game);
    EXPECT_EQ(found->kept.label, "/games/monday.txt");
}

// Only a running copy keeps its game from the next start; a lock that cannot be taken for
// another reason must not hide the game for ever.
TEST_F(RecoveryFiles, ALockThatCannotBeTakenHidesNoGameButOneHeldByARunningCopyDoes) {
    Recovery running(state);
    ASSERT_FALSE(running.write(keptGame(3)));
    EXPECT_FALSE(nextStart());

    Recovery ended(state + "-ended");
    ASSERT_FALSE(ended.write(keptGame(4)));
    const std::string file = utf8(pathOf(ended.path()).filename());
    const std::string id = file.substr(0, file.find('.'));
    fs::create_directories(scratch.path() / "other");
    fs::copy_file(pathOf(ended.path()), scratch.path() / "other" / file);
    // Its lock is a folder: it can be neither made nor locked.
    fs::create_directory(scratch.path() / "other" / (id + ".lock"));
    const auto found = Recovery(scratch / "other").claimLeftBehind();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kept.game, keptGame(4).game);
}

} // namespace
} // namespace tallivant::testing
