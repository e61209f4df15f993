// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <random>

#include <sys/stat.h>

#include "files/encoding.h"
#include "files_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

using FileOpen = FilesTest;
using FileRoundTrip = FilesTest;

namespace {

// A game file whose every value differs from the game playSomeGame() leaves on the window.
std::string otherGameFile() {
    GameContents c;
    for (int n = 0; n < kPlayers; ++n)
        c.names[n] = "Other " + std::to_string(n + 1);
    for (int id = 0; id < kFields; ++id)
        c.fields[id] = std::to_string(1000 + id);
    return encodeGameFile(c);
}

} // namespace

TEST_F(FileOpen, DialogOffersTextFilesFirstAndStartsAtTheLastFailedName) {
    files.openGame();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const Shown& d = dialogs.shown[0];
    EXPECT_EQ(d.kind, "open");
    EXPECT_EQ(d.title, "Select the source file");
    ASSERT_EQ(d.setup.filters.size(), 2u);
    EXPECT_EQ(d.setup.filters[0].pattern, "*");
    EXPECT_EQ(d.setup.filters[1].pattern, "*.txt");
    EXPECT_EQ(d.setup.filters[d.setup.selectedFilter].label, "Text files (*.txt)");
    EXPECT_EQ(d.setup.defaultSuffix, "txt");
    EXPECT_EQ(d.setup.startName, "");

    openFrom(folder / "missing.txt");
    files.openGame();
    EXPECT_EQ(dialogs.shown.back().setup.startName, folder / "missing.txt");

    writeBytes(folder / "good.txt", otherGameFile());
    openFrom(folder / "good.txt");
    files.openGame();
    EXPECT_EQ(dialogs.shown.back().setup.startName, "");
}

TEST_F(FileOpen, CancelChangesNothing) {
    playSomeGame();
    host.label = "/games/old.txt";
    const WindowState before = state();
    files.openGame();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(FileOpen, ReplacesNamesAndFieldsAndKeepsTheSelection) {
    playSomeGame();
    const std::string path = folder / "other.txt";
    writeBytes(path, otherGameFile());
    WindowState expected = state();
    openFrom(path);

    expected.contents = *parseGameFile(otherGameFile());
    expected.label = path;
    expected.firstQuarterClicks = 1;
    expected.tbletter = "";
    expected.oldplayernum = 0;
    EXPECT_EQ(state(), expected);
    EXPECT_EQ(game.playernum(), 6);
    EXPECT_EQ(files.filename(), "");
    EXPECT_EQ(dialogs.shown.size(), 1u); // no message, not even for foul trouble
}

TEST_F(FileOpen, TakebackAfterwardsDoesNotReachTheOldGame) {
    stat(3, 'c');
    const std::string path = folder / "other.txt";
    writeBytes(path, otherGameFile());
    openFrom(path);
    const GameContents opened = contentsOf(game);
    game.takeback();
    EXPECT_EQ(contentsOf(game), opened);
}

TEST_F(FileOpen, FoulTroubleFollowsTheOpenedFouls) {
    GameContents c = contentsOf(game);
    c.fields[fieldByName("txtpf_0").id()] = "3";
    c.fields[fieldByName("txtpf_1").id()] = "2";
    c.fields[fieldByName("txtpf_11").id()] = "5";
    set("txtpf_1", "4");
    writeBytes(folder / "fouls.txt", encodeGameFile(c));
    openFrom(folder / "fouls.txt");
    for (int i = 0; i < kPlayers; ++i)
        EXPECT_EQ(game.inFoulTrouble(i), i == 0 || i == 11) << i;
}

TEST_F(FileOpen, FileCutShortAtAnyValueChangesNothing) {
    playSomeGame();
    host.label = "/games/old.txt";
    const WindowState before = state();
    const std::string full = otherGameFile();
    const std::string path = folder / "cut.txt";
    // After k complete values (with the comma or line end that follows), and inside value k+1.
    std::size_t k = 0;
    for (std::size_t pos = 0; k < 342; ++k) {
        const std::size_t open = full.find('"', pos);
        const std::size_t close = full.find('"', open + 1);
        for (std::size_t cut : {open, open + 1, close}) {
            writeBytes(path, full.substr(0, cut));
            openFrom(path);
            ASSERT_EQ(state(), before) << "cut in value " << k << " at byte " << cut;
            ASSERT_EQ(files.filename(), path);
        }
        pos = close + 1;
    }
    EXPECT_EQ(k, 342u);
    EXPECT_EQ(dialogs.messageTexts().size(), 3u * 342u);
    for (const Shown& s : dialogs.shown)
        if (s.kind == "message") {
            ASSERT_EQ(s.text, "Select/highlight appropriate file name in the file list box.");
            ASSERT_EQ(s.title, "Error loading");
            ASSERT_EQ(s.icon, Icon::Critical);
        }
    writeBytes(path, full);
    openFrom(path);
    EXPECT_EQ(contentsOf(game), *parseGameFile(full));
}

TEST_F(FileOpen, EmptyBinaryHugeMissingAndFolderChangeNothing) {
    playSomeGame();
    host.label = "/games/old.txt";
    const WindowState before = state();

    writeBytes(folder / "empty.txt", "");
    std::string binary;
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i)
        binary += static_cast<char>(random() % 256);
    for (int i = 0; i < 2000; ++i)
        binary[i * 10] = ',';
    writeBytes(folder / "binary.bin", binary);
    std::string huge = otherGameFile();
    huge += std::string(2 * 1024 * 1024 - huge.size(), '\n');
    writeBytes(folder / "huge.txt", huge);
    std::filesystem::create_directory(folder / "folder.txt");
    ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0644), 0); // must not hang

    for (const std::string name :
         {"empty.txt", "binary.bin", "huge.txt", "missing.txt", "folder.txt", "pipe.txt"}) {
        dialogs.shown.clear();
        openFrom(folder / name);
        EXPECT_EQ(state(), before) << name;
        EXPECT_EQ(files.filename(), folder / name);
        ASSERT_EQ(dialogs.messageTexts().size(), 1u) << name;
        EXPECT_EQ(dialogs.shown.back().title, "Error loading");
    }
}

TEST_F(FileRoundTrip, SavedGameOpensAsTheSameGame) {
    playSomeGame();
    const GameContents saved = contentsOf(game);
    const std::string path = folder / "round.txt";
    saveTo(path);
    ASSERT_TRUE(isValidUtf8(readBytes(path))); // 李明 and Ł do not fit Windows-1252

    FakeDialogs otherDialogs;
    Game other{otherDialogs};
    FakeHost otherHost;
    GameFiles otherFiles{other, otherDialogs, otherHost};
    otherDialogs.fileAnswers.push_back(path);
    otherFiles.openGame();
    EXPECT_EQ(contentsOf(other), saved);
    EXPECT_TRUE(otherDialogs.messageTexts().empty());
    EXPECT_EQ(txt("txtfgper_1"), "66.67%");
    EXPECT_EQ(other.text(fieldByName("txtfgper_1")), "66.67%");
}

TEST_F(FileRoundTrip, Windows1252GameOpensAsTheSameGame) {
    const char* names[] = {"4  Smith, Al", "5  B&B", "7  José", "Ñú ë €", "", "  x  "};
    for (int n = 1; n <= 6; ++n)
        game.setName(n, names[n - 1]);
    stat(2, 'c');
    stat(2, 'v');
    stat(2, 'v');
    const GameContents saved = contentsOf(game);
    const std::string path = folder / "round.txt";
    saveTo(path);
    ASSERT_FALSE(isValidUtf8(readBytes(path)));

    game.zeroSheet();
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, "?");
    openFrom(path);
    EXPECT_EQ(contentsOf(game), saved);
    EXPECT_EQ(txt("txtfgper_1"), "33.33%");
}
