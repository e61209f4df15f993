// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cctype>
#include <filesystem>

#include "files_fixture.h"
#include "system/disk.h"
#include "system/door.h"

using namespace tallivant;
using namespace tallivant::testing;

TEST_F(FileSave, DialogIsSetUpForTextFilesAndStartsAtTheOpenedFile) {
    host.label = "/games/final.txt";
    files.savegame();
    ASSERT_GE(dialogs.shown.size(), 1u);
    const Shown& d = dialogs.shown[0];
    EXPECT_EQ(d.kind, "save");
    EXPECT_EQ(d.title, "Select the destination file");
    ASSERT_EQ(d.setup.filters.size(), 2u);
    EXPECT_EQ(d.setup.filters[0].label, "Text files (*.txt)");
    EXPECT_EQ(d.setup.filters[0].pattern, "*.txt");
    EXPECT_EQ(d.setup.filters[1].label, "All files (*)");
    EXPECT_EQ(d.setup.filters[1].pattern, "*");
    EXPECT_EQ(d.setup.selectedFilter, 0);
    EXPECT_EQ(d.setup.defaultSuffix, "txt");
    EXPECT_EQ(d.setup.startName, "/games/final.txt");
}

TEST_F(FileSave, NoNameChosenWritesNothingAndSaysSo) {
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        dialogs.shown.clear();
        dialogs.fileAnswers.push_back(answer);
        files.savegame();
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[1].text,
                  "Please enter a file name before pressing the save button.");
        EXPECT_EQ(dialogs.shown[1].title, "Error!");
        EXPECT_EQ(dialogs.shown[1].icon, Icon::Exclamation);
    }
    expectOnlyEntries({});
}

TEST_F(FileSave, SuccessIsReportedOnlyWhenTheFileIsInPlace) {
    playSomeGame();
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    const WindowState before = state();
    const std::string bytes = savedBytes();
    std::string onDiskWhenReported;
    dialogs.onShow = [&](const Shown& s) {
        if (s.kind == "message") onDiskWhenReported = readBytes(path);
    };
    saveTo(path);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    EXPECT_EQ(dialogs.shown[1].title, path);
    EXPECT_EQ(dialogs.shown[1].icon, Icon::Exclamation);
    EXPECT_EQ(onDiskWhenReported, bytes);
    // The window now names the file the game is in.
    WindowState after = before;
    after.label = path;
    EXPECT_EQ(state(), after);
    EXPECT_EQ(files.filename(), "");
    expectOnlyEntries({"game.txt"});
}

TEST_F(FileSave, TitleIsTheFullPathEvenForARelativeName) {
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    saveTo("relative.txt");
    std::filesystem::current_path(cwd);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, folder / "relative.txt");
}

TEST_F(FileSave, SavingAgainReplacesTheWholeFile) {
    playSomeGame();
    const std::string path = folder / "game.txt";
    saveTo(path);
    const std::size_t firstSize = readBytes(path).size();
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, "");
    game.zeroSheet();
    saveTo(path);
    const std::string second = readBytes(path);
    EXPECT_LT(second.size(), firstSize);
    EXPECT_EQ(second, savedBytes());
}

TEST_F(FileSave, OntoAFolderFailsAndLeavesTheFolder) {
    std::filesystem::create_directory(folder / "game.txt");
    writeBytes(folder / "game.txt/inside", old);
    saveTo(folder / "game.txt");
    expectNotSaved("it is not a regular file.");
    EXPECT_EQ(readBytes(folder / "game.txt/inside"), old);
    expectOnlyEntries({"game.txt"});
}

TEST_F(FileSave, AGameThatWouldNotOpenAgainIsNotSavedAndTheOldFileStays) {
    // Open refuses such a game; the window could still come to hold one some other way.
    playSomeGame();
    game.setText(Field{0, 0}, std::string(kMaxGameFileBytes, '7'));
    const std::string path = folder / "game.txt";
    writeBytes(path, old);
    saveTo(path);
    expectNotSaved("the game would be too large to open again.");
    EXPECT_TRUE(game.hasUnsavedChanges());
    EXPECT_TRUE(readBytes(path) == old) << "the old file was replaced";
    expectOnlyEntries({"game.txt"});

    // Just small enough: saved, and it opens again as the same game.
    const std::size_t over = encodeGameFile(contentsOf(game)).size() - kMaxGameFileBytes;
    game.setText(Field{0, 0}, std::string(kMaxGameFileBytes - over, '7'));
    const GameContents fits = contentsOf(game);
    dialogs.shown.clear();
    saveTo(path);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Your file has been saved.");
    // The 19 records at the limit, the quarter and the plays after them.
    EXPECT_EQ(readBytes(path).size(),
              kMaxGameFileBytes + quarterAndPlaysText(host.quarter, game.plays()).size());
    const auto back = readSavedGame(readBytes(path));
    ASSERT_TRUE(std::holds_alternative<SavedGame>(back));
    EXPECT_TRUE(std::get<SavedGame>(back).game == fits) << "the saved game reads back differently";
}

TEST_F(FileSave, CtrlSWritesTheGamesOwnFileAtOnceAndAsksOnlyForANewGame) {
    // A new game has no file of its own: the save dialog, as File|Save.
    playSomeGame();
    dialogs.fileAnswers = {folder / "week1.txt"};
    EXPECT_TRUE(files.saveToOwnFile());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "save");

    // Opened from a file, it goes back there with no question and no box: the news says it.
    dialogs.inputAnswers = {};
    files.newGame();
    openFrom(folder / "week1.txt");
    stat(7, 'f');
    dialogs.shown.clear();
    EXPECT_TRUE(files.saveToOwnFile());
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(host.news.size(), 2u);
    // "Saved to week1.txt at hh:mm" (no <regex>: GCC 12 warns inside it in the sanitizer build).
    const std::string& news = host.news[1];
    const std::string said = "Saved to week1.txt at ";
    EXPECT_TRUE(news.size() == said.size() + 5 && news.starts_with(said) &&
                news[said.size() + 2] == ':' &&
                std::isdigit(static_cast<unsigned char>(news[said.size()])) &&
                std::isdigit(static_cast<unsigned char>(news.back())))
        << news;
    EXPECT_EQ(readBytes(folder / "week1.txt"), savedBytes());
    EXPECT_FALSE(game.hasUnsavedChanges());
    expectOnlyEntries({"week1.txt"});
}

// The door refuses, before anything is written, an output that is one of the games read (by
// any of its names: another spelling, a hard link), two outputs that are one file (new or not),
// and one that would replace a game file; a CSV of the scorer's may be replaced.
TEST_F(FileSave, TheDoorRefusesAnOutputOverAGameOrAnotherOutputAndThenWritesNothing) {
    playSomeGame();
    const std::string game = folder / "g.txt", other = folder / "other.txt";
    const std::string notes = folder / "notes.csv", linked = folder / "linked.txt";
    writeBytes(game, savedBytes());
    writeBytes(other, savedBytes());
    writeBytes(notes, "Player,PTS\r\n");
    std::filesystem::create_directory(pathOf(folder / "sub"));
    std::filesystem::create_hard_link(pathOf(game), pathOf(linked));
    const std::string fresh = folder / "new.csv", freshAgain = folder / "sub/../new.csv";
    const struct {
        std::vector<std::string> outputs;
        const char* reason; // nothing: written
    } cases[] = {
        {{fresh, game}, kIsBeingRead},
        {{folder / "sub/../g.txt"}, kIsBeingRead},
        {{linked}, kIsBeingRead},
        {{fresh, freshAgain}, kSameOutputs},
        {{notes, folder / "sub/../notes.csv"}, kSameOutputs},
        {{fresh, other}, kHoldsAGame},
        {{fresh, notes}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.outputs.back());
        const std::vector<std::string> before = folder.entries();
        std::vector<Output> outputs;
        for (const std::string& path : c.outputs)
            outputs.push_back({path, "written"});
        const std::optional<Refusal> refusal = writeOutputs(outputs, {game});
        EXPECT_EQ(readBytes(game), savedBytes());
        EXPECT_EQ(readBytes(other), savedBytes());
        if (!c.reason) {
            EXPECT_FALSE(refusal);
            EXPECT_EQ(readBytes(notes), "written");
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->path, c.outputs.back());
        EXPECT_EQ(refusal->reason, c.reason);
        EXPECT_EQ(folder.entries(), before);
        EXPECT_EQ(readBytes(notes), "Player,PTS\r\n");
    }
    // The game's own save replaces it, as ever.
    EXPECT_EQ(saveGameFile(game, "the game again"), std::nullopt);
    EXPECT_EQ(readBytes(game), "the game again");
}
