// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

using FileNew = FilesTest;
using EditRoster = FilesTest;

namespace {

std::vector<Shown> prompts(const FakeDialogs& d) {
    std::vector<Shown> out;
    for (const Shown& s : d.shown)
        if (s.kind == "input") out.push_back(s);
    return out;
}

} // namespace

TEST_F(FileNew, ClearsTheWindowBeforeTheFirstPrompt) {
    playSomeGame();
    set("txtpf_2", "4");
    host.label = "/games/old.txt";
    bool checked = false;
    dialogs.onShow = [&](const Shown& s) {
        if (checked || s.kind != "input") return;
        checked = true;
        EXPECT_EQ(host.firstQuarterClicks, 1);
        EXPECT_EQ(host.label, "");
        EXPECT_EQ(game.playernum(), 0);
        for (int n = 1; n <= kPlayers; ++n)
            EXPECT_FALSE(game.isSelected(n)) << n;
        for (int i = 0; i < kPlayers; ++i)
            EXPECT_FALSE(game.inFoulTrouble(i)) << i;
        expectOthersZero({});
    };
    files.newGame();
    EXPECT_TRUE(checked);
}

TEST_F(FileNew, AsksTwelveTimesAndKeepsTheDefaultNames) {
    files.newGame();
    const auto asked = prompts(dialogs);
    ASSERT_EQ(asked.size(), 12u);
    ASSERT_EQ(dialogs.shown.size(), 12u);
    for (const Shown& s : asked) {
        EXPECT_EQ(s.text, "Please enter the players number and name--no more than 13 characters");
        EXPECT_EQ(s.title, "Enter name");
        EXPECT_EQ(s.defaultAnswer, "#  name");
    }
    for (int n = 1; n <= kPlayers; ++n)
        EXPECT_EQ(game.name(n), "#  name") << n;
}

TEST_F(FileNew, EachNameIsOnItsButtonBeforeTheNextPrompt) {
    for (int n = 1; n <= kPlayers; ++n)
        dialogs.inputAnswers.push_back("P" + std::to_string(n));
    int prompt = 0;
    dialogs.onShow = [&](const Shown&) {
        ++prompt;
        for (int n = 1; n <= kPlayers; ++n)
            EXPECT_EQ(game.name(n), n < prompt ? "P" + std::to_string(n) : "")
                << "prompt " << prompt << " name " << n;
    };
    files.newGame();
    for (int n = 1; n <= kPlayers; ++n)
        EXPECT_EQ(game.name(n), "P" + std::to_string(n));
}

TEST_F(FileNew, CancelOnTheFifthPromptEmptiesOnlyThatName) {
    for (int n = 1; n <= kPlayers; ++n)
        dialogs.inputAnswers.push_back(n == 5 ? std::optional<std::string>(dialogs.kCancelInput)
                                              : std::optional<std::string>());
    files.newGame();
    EXPECT_EQ(prompts(dialogs).size(), 12u);
    for (int n = 1; n <= kPlayers; ++n)
        EXPECT_EQ(game.name(n), n == 5 ? "" : "#  name") << n;
}

TEST_F(FileNew, AnswersAreCutToThirteenCharacters) {
    dialogs.inputAnswers = {"12 Abcdefghijklmnopq",
                            "23 Kim",
                            "7 Ann      ",
                            "1234567890123",
                            "3  Müller-Lüdenscheidt",
                            "8  李明李明李明李明李明李明"};
    files.newGame();
    EXPECT_EQ(game.name(1), "12 Abcdefghij");
    EXPECT_EQ(game.name(2), "23 Kim");
    EXPECT_EQ(game.name(3), "7 Ann      ");
    EXPECT_EQ(game.name(4), "1234567890123");
    // Characters, not bytes: a cut by bytes would split or lose the accented letters.
    EXPECT_EQ(game.name(5), "3  Müller-Lüd");
    EXPECT_EQ(game.name(6), "8  李明李明李明李明李明");
    // The prompt itself takes no more than the thirteen characters it keeps.
    for (const Shown& prompt : prompts(dialogs))
        EXPECT_EQ(prompt.maxLength, 13u);
}

TEST_F(FileNew, TakebackAfterwardsDoesNotReachTheOldGame) {
    stat(3, 'h');
    files.newGame();
    game.takeback();
    expectOthersZero({});
    EXPECT_TRUE(dialogs.messageTexts().empty());
}

TEST_F(FileNew, SameRosterClearsEverythingButTheNamesAndAsksOnlyAboutTheUnsavedGame) {
    playSomeGame();
    host.quarter = Quarter::Third;
    saveTo(folder / "week1.txt");
    stat(4, 'c');
    const WindowState before = state();

    dialogs.shown.clear();
    dialogs.unsavedAnswers = {UnsavedAnswer::Cancel};
    files.newGameSameRoster();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Unsaved game");
    EXPECT_EQ(state(), before);

    dialogs.shown.clear();
    dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
    files.newGameSameRoster();
    ASSERT_EQ(dialogs.shown.size(), 1u); // the question, and no name prompt
    EXPECT_EQ(copySheet(game).names, before.sheet.names);
    expectOthersZero({});
    EXPECT_TRUE(game.plays().empty());
    EXPECT_EQ(host.quarter, Quarter::First);
    EXPECT_EQ(host.label, "");
    EXPECT_EQ(game.playernum(), 0);
    EXPECT_TRUE(files.gameFile().empty());
    game.takeback();
    expectOthersZero({});

    // The first stat of the new game: Ctrl+S has no file to go to, so it asks for one.
    stat(1, 'e');
    dialogs.shown.clear();
    files.saveToOwnFile();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown[0].kind, "save");
}

TEST_F(FileNew, LeavesTheOpenDialogsStartingName) {
    dialogs.fileAnswers.push_back(folder / "missing.txt");
    files.openGame();
    files.newGame();
    EXPECT_EQ(files.filename(), folder / "missing.txt");
}

TEST_F(EditRoster, OffersEachNameAndKeepsItOnOk) {
    playSomeGame();
    const WindowState before = state();
    files.editRoster();
    const auto asked = prompts(dialogs);
    ASSERT_EQ(asked.size(), 12u);
    for (int n = 1; n <= kPlayers; ++n) {
        EXPECT_EQ(asked[n - 1].text,
                  "Please enter the players number and name--no more than 16 characters");
        EXPECT_EQ(asked[n - 1].title, "Enter name");
        EXPECT_EQ(asked[n - 1].defaultAnswer, before.sheet.names[n - 1]) << n;
    }
    EXPECT_EQ(state(), before);
}

TEST_F(EditRoster, CancelKeepsEveryNameItOffered) {
    playSomeGame();
    const WindowState before = state();
    for (int n = 1; n <= kPlayers; ++n)
        dialogs.inputAnswers.push_back(dialogs.kCancelInput);
    files.editRoster();
    EXPECT_EQ(prompts(dialogs).size(), 12u);
    EXPECT_EQ(state(), before);
}

TEST_F(EditRoster, AnEmptiedNameIsEmptyAndLongAnswersAreCutToSixteen) {
    playSomeGame();
    WindowState expected = state();
    dialogs.inputAnswers = {dialogs.kCancelInput, std::string(""),
                            std::string("3  Abcdefghijklmnopq"), std::string("4  Ñúñez-Ébermann")};
    files.editRoster();
    expected.sheet.names[1] = "";
    expected.sheet.names[2] = "3  Abcdefghijklm";
    // "4  Ñúñez-Ébermann" has 17 characters in 21 bytes.
    expected.sheet.names[3] = "4  Ñúñez-Éberman";
    EXPECT_EQ(state(), expected);
    EXPECT_EQ(prompts(dialogs).size(), 12u);
    for (const Shown& prompt : prompts(dialogs))
        EXPECT_EQ(prompt.maxLength, 16u);
}
