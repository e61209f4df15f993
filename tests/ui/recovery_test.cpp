// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy kept while a game has unsaved changes: when it exists, what it holds, what
// becomes of it when the game is saved, discarded or its folder cannot be written.
#include <QCheckBox>
#include <QFileInfo>
#include <QRadioButton>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "recovery_fixture.h"
#include "store/recovery.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"
#include "system/disk.h"

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
    // The screen's quarter line is one behind until the box closes; the copy holds the whole
    // foul, so that a kill now restores a game whose lines agree.
    EXPECT_EQ(seen.fields[fieldByName("txtpf_3").id()], "3");
    EXPECT_EQ(seen.fields[fieldByName("txt1stpf").id()], "3");
    EXPECT_EQ(seen.fields[fieldByName("txtpftot").id()], "3");

    // Another copy reads it as the game on the window, with its file label.
    dialogs.onShow = nullptr;
    window.reset(); // as a kill would leave it, but with the lock released
    const auto found = leftBehind();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kept.game.fields[fieldByName("txt3ptm_2").id()], "1");
    EXPECT_EQ(found->kept.game.fields[fieldByName("txt1stpf").id()], "3");
    EXPECT_EQ(found->kept.label, "/games/monday.txt");
    // The fouler stays selected, and the foul is the stat a takeback takes back.
    EXPECT_EQ(found->kept.memory, (GameMemory{4, 'm', 4, Quarter::First}));
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
    std::vector<std::pair<fs::file_time_type, std::string>> byTime;
    for (const auto& e : fs::directory_iterator(discarded))
        byTime.emplace_back(e.last_write_time(), e.path().string());
    std::sort(byTime.begin(), byTime.end());
    std::vector<std::string> kept;
    for (const auto& [time, path] : byTime)
        kept.push_back(path);
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

// The copy is written one last time as the window goes, while the game is still there (a
// sanitizer build sees a read of a game already destroyed).
TEST_F(RecoveryTest, TheLastCopyAsTheWindowGoesHoldsTheWholeGame) {
    stat(1, "cmdreb");
    const std::string name(40, 'x');
    window->game().setName(1, name);
    window.reset();
    const auto found = leftBehind();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kept.game.names[0], name);
}

// A game opened from the state folder (what the help advises after a wrong Discard) is in no
// file of the scorer's: it counts as unsaved, and its save starts in the documents folder.
TEST_F(RecoveryTest, AGameOpenedFromDiscardedStaysUnsavedAndIsSavedElsewhere) {
    dialogs.inputAnswers = {std::string("4 Ann Lee")};
    trigger("mnurosterchange");
    stat(1, "cmdreb");
    dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
    trigger("mnuFileNew");
    const auto kept = fs::directory_iterator(window->recoveryCopy().recovery().discardedFolder());
    const std::string discarded = kept->path().string();

    dialogs.fileAnswers = {discarded};
    trigger("mnuFileOpen");
    EXPECT_EQ(text("txtrebtot"), "1");
    EXPECT_TRUE(window->game().hasUnsavedChanges());
    EXPECT_TRUE(fs::exists(recoveryFile())); // kept, in case the program ends now

    // Exit asks; Save offers the file's name elsewhere, never in discarded/.
    dialogs.shown.clear();
    dialogs.unsavedAnswers = {UnsavedAnswer::Save};
    dialogs.fileAnswers = {std::nullopt};
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_GE(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, "unsaved");
    EXPECT_EQ(dialogs.shown[1].kind, "save");
    const FileDialogSetup& setup = dialogs.shown[1].setup;
    EXPECT_EQ(fs::path(setup.startName).filename(), kept->path().filename());
    // Where the scorer worked last (not discarded/, though the game was opened from there), else
    // Documents where there is one.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::string fallback = QFileInfo(documents).isDir() ? documents.toStdString() : "";
    EXPECT_EQ(setup.startFolder, fallback);
    EXPECT_TRUE(dialogs.shown[1].setup.ownFile.empty());

    // The folder the scorer chooses a file in is where the next dialog starts, kept for the next
    // run too; once it is gone, it is not proposed.
    {
        ScratchFolder elsewhere;
        const std::string path = utf8Of(elsewhere.path());
        window->folderUsed(path);
        EXPECT_EQ(window->startFolder(), path);
    }
    EXPECT_EQ(window->startFolder(), fallback);
}

TEST_F(RecoveryTest, ADiscardThatCannotKeepTheGameWarnsAndTheNextStartOffersIt) {
    stat(2, "cmdstl");
    stat(2, "cmdstl");
    std::ofstream(window->recoveryCopy().recovery().discardedFolder()) << "in the way";
    dialogs.shown.clear();
    dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
    trigger("mnuFileNew");
    ASSERT_GE(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, "Warning");
    EXPECT_EQ(dialogs.shown[1].text.rfind("Tallivant cannot keep the discarded game: ", 0), 0u)
        << dialogs.shown[1].text;

    // The new game is kept in a copy of its own, and the discarded one waits for the next start.
    dialogs.inputAnswers = {std::string("5 Bo")};
    trigger("mnurosterchange");
    restart();
    dialogs.restoreAnswers = {true, true};
    window->offerRecovery();
    window->offerRecovery();
    EXPECT_EQ(text("txtstltot"), "2");
}

// The restore box says which game it offers, and Restore puts back the quarter that was on and
// the last stat, so that Takeback still undoes it.
TEST_F(RecoveryTest, TheRestoreBoxNamesTheGameAndRestoreGoesOnWhereItStopped) {
    dialogs.inputAnswers = {std::string("4 Ann &Lee"), std::string("5 Bo"), std::string("")};
    trigger("mnurosterchange");
    click("opt3rdqtr");
    stat(2, "cmdfgm");
    window->setFileLabel("/games/lincoln.txt");
    stat(1, "cmdfgm");
    restart();
    window->offerRecovery();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const std::string& informative = dialogs.shown[0].detail;
    EXPECT_NE(informative.find("/games/lincoln.txt"), std::string::npos) << informative;
    EXPECT_NE(informative.find("4 Ann Lee, 5 Bo, "), std::string::npos) << informative;
    EXPECT_EQ(text("txt3rdfgm"), "2");
    EXPECT_TRUE(widget<QRadioButton>("opt3rdqtr")->isChecked());
    click("cmdtakeback");
    EXPECT_EQ(text("txt3rdfgm"), "1");
    EXPECT_EQ(text("txtfgm_0"), "0");
    EXPECT_EQ(text("txtfgm_1"), "1");
    // A game that was never saved says so.
    dialogs.inputAnswers = {std::string("7 Cy")};
    trigger("mnuFileNew");
    restart();
    window->offerRecovery();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].detail.find("not yet saved"), std::string::npos);
}

// Nothing on the screen is lost: the quarter, the timeout, possession and on-the-floor boxes are in
// the copy as soon as they change, and come back on Restore; File|Save does not write them.
TEST_F(RecoveryTest, RestoreGivesBackTheBoxesBesideTheGameWhichNoGameFileHolds) {
    stat(2, "cmdreb");
    const QStringList ticked = {"Check2", "Check5", "Option1", "Check8", "Check19"};
    for (const QString& name : ticked)
        click(name);
    // A quarter switched by its key, with no stat after it, is in the copy too.
    QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    window->recoveryCopy().setKeeping(false); // as a kill leaves it: no last copy
    restart();
    dialogs.restoreAnswers = {true};
    window->offerRecovery();
    for (const char* name :
         {"Check1", "Check2", "Check5", "optyouposs", "Option1", "Check8", "Check9", "Check19"})
        EXPECT_EQ(widget<QAbstractButton>(name)->isChecked(), ticked.contains(name)) << name;
    EXPECT_TRUE(widget<QRadioButton>("opt2ndqtr")->isChecked());
    const std::string saved = dir.filePath("game.txt").toStdString();
    dialogs.fileAnswers = {saved};
    trigger("mnufilesave");
    EXPECT_EQ(readBytes(saved).find("\"Floor\""), std::string::npos);
}

// The warning is said once a game: a new game after Discard is told again.
TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsSaidOnceAGame) {
    const QString blocked = dir.filePath("a file");
    std::ofstream(blocked.toStdString()) << "not a folder";
    StateFolder unwritable(blocked);
    restart();
    expectOneWarningOverFiveStats();
    dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
    trigger("mnuFileNew");
    expectOneWarningOverFiveStats();
}

// A disk that fails to keep what was written is told as a refusal is.
TEST_F(RecoveryTest, ACopyThatCannotReachTheDiskWarns) {
    stat(3, "cmdblk");
    // The file goes from under the copy before it is synced.
    fs::remove(pathOf(window->recoveryCopy().recovery().path()));
    dialogs.shown.clear();
    QTest::qWait(1500);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Warning");
    EXPECT_EQ(
        dialogs.shown[0].text.rfind("Tallivant cannot keep a recovery copy of this game: ", 0), 0u);
}

} // namespace
} // namespace tallivant::testing
