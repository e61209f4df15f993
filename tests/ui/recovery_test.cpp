// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy kept while a game has unsaved changes: when it exists, what it holds, what
// becomes of it when the game is saved, discarded or its folder cannot be written.
#include <filesystem>
#include <fstream>

#include "files/disk.h"
#include "files/recovery.h"
#include "recovery_fixture.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(RecoveryTest, ExistsExactlyWhileTheGameHasUnsavedChangesAndHoldsWhatIsShown) {
    EXPECT_FALSE(fs::exists(recoveryFile()));
    click("cmdp3");
    EXPECT_FALSE(fs::exists(recoveryFile())); // a selection is not part of the game
    stat(3, "cmd3pm");
    ASSERT_TRUE(fs::exists(recoveryFile()));
    window->setFileLabel("/games/monday.txt");
    stat(4, "cmdpf");
    // Mid-stat, while the foul trouble box is up, the file holds what the screen shows.
    stat(4, "cmdpf");
    GameContents seen;
    dialogs.onShow = [&](const Shown&) {
        // The copy is locked by this window, so read it as File|Open would.
        seen = *parseGameFile(readBytes(recoveryFile()));
    };
    stat(4, "cmdpf");
    EXPECT_EQ(seen.fields[fieldByName("txtpf_3").id()], "3");
    EXPECT_EQ(seen.fields[fieldByName("txt1stpf").id()], "2"); // not yet written on screen

    // Another copy reads it as the game on the window, with its file label.
    dialogs.onShow = nullptr;
    window.reset(); // as a kill would leave it, but with the lock released
    const auto found = leftBehind();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->game.fields[fieldByName("txt3ptm_2").id()], "1");
    EXPECT_EQ(found->game.fields[fieldByName("txt1stpf").id()], "3");
    EXPECT_EQ(found->label, "/games/monday.txt");
}

TEST_F(RecoveryTest, ASaveRemovesItAndADiscardKeepsTheGameInDiscarded) {
    stat(2, "cmdreb");
    const std::string saved = dir.filePath("game.txt").toStdString();
    dialogs.fileAnswers = {saved};
    trigger("mnufilesave");
    EXPECT_FALSE(fs::exists(recoveryFile()));

    // Twenty-five games discarded: the newest twenty are kept, and each opens as it was.
    for (int i = 1; i <= 25; ++i) {
        for (int n = 0; n < i; ++n)
            stat(5, "cmdast");
        dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
        trigger("mnuFileNew");
    }
    const std::string discarded = window->recoveryCopy().recovery().discardedFolder();
    std::vector<std::string> kept;
    for (const auto& e : fs::directory_iterator(discarded))
        kept.push_back(e.path().string());
    std::sort(kept.begin(), kept.end());
    ASSERT_EQ(kept.size(), Recovery::kDiscardedKept);
    dialogs.fileAnswers = {saved, kept.front()};
    trigger("mnufilesave"); // the new game, so that nothing more is discarded
    EXPECT_FALSE(fs::exists(recoveryFile()));
    trigger("mnuFileOpen");
    EXPECT_EQ(text("txtasttot"), "6"); // games 1 to 5 are gone
    dialogs.fileAnswers = {kept.back()};
    trigger("mnuFileOpen");
    EXPECT_EQ(text("txtasttot"), "25");
    EXPECT_EQ(text("cmdp1"), "#  name");
}

TEST_F(RecoveryTest, AFileThatIsNotACompleteGameIsSetAsideAsBroken) {
    const fs::path state = pathOf(defaultStateFolder());
    fs::create_directories(state);
    std::ofstream(state / "game-1-2-3.0000000004.txt") << "\"Name\",\"FGM\"\r\n";
    EXPECT_FALSE(leftBehind());
    EXPECT_TRUE(fs::exists(state / "game-1-2-3.0000000004.txt.broken"));
    EXPECT_FALSE(fs::exists(state / "game-1-2-3.0000000004.txt"));
    window->offerRecovery();
    EXPECT_TRUE(dialogs.shown.empty());
}

// A state folder that cannot be made: the stats go on, and the scorer is told once.
TEST_F(RecoveryTest, AFolderThatCannotBeMadeWarnsOnceAndStopsNoStat) {
    const QString blocked = dir.filePath("a file");
    std::ofstream(blocked.toStdString()) << "not a folder";
    StateFolder unwritable(blocked); // its tallivant folder cannot be made
    restart();
    expectOneWarningOverFiveStats();
}

} // namespace
} // namespace tallivant::testing
