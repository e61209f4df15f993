// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <random>

#ifdef _WIN32
#include <windows.h>

#include "system/windows_text.h"
#else
#include <sys/stat.h>
#endif

#include <QCoreApplication>
#include <QTranslator>
#include <map>

#include "files_fixture.h"
#include "formats/encoding.h"
#include "session/season_commands.h"

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
    ASSERT_EQ(dialogs.shown.size(), 2u); // Discard, then Cancel in the file dialog
    EXPECT_EQ(dialogs.shown[1].kind, "open");
}

TEST_F(FileOpen, ReplacesNamesAndFieldsAndKeepsTheSelection) {
    playSomeGame();
    const std::string path = folder / "other.txt";
    writeBytes(path, otherGameFile());
    WindowState expected = state();
    openFrom(path);

    const GameContents other = *parseGameFile(otherGameFile());
    expected.sheet.names = other.names;
    expected.sheet.fields = other.fields;
    expected.label = path;
    expected.firstQuarterClicks = 1;
    expected.sheet.tbletter = "";
    expected.sheet.oldplayernum = 0;
    expected.plays.clear(); // a file without plays
    EXPECT_EQ(state(), expected);
    EXPECT_EQ(game.playernum(), 6);
    EXPECT_EQ(files.filename(), "");
    // The unsaved game was offered for saving, then the file dialog; no message, not even for
    // foul trouble.
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, "unsaved");
    EXPECT_EQ(dialogs.shown[1].kind, "open");
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
            ASSERT_EQ(dialogs.shown.back().detail,
                      "It holds " + std::to_string(k) + " of the 342 values of a game file.");
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

TEST_F(FileOpen, RefusedFilesChangeNothingAndSayWhy) {
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
    huge += std::string(kMaxSavedGameBytes + 1 - huge.size(), '\n');
    writeBytes(folder / "huge.txt", huge);
    std::filesystem::create_directory(folder / "folder.txt");
#ifdef _WIN32
    // A device in every folder; the system's own words for the others.
    const std::string device = "NUL";
    const std::string missing = systemErrorText(ERROR_FILE_NOT_FOUND);
    const std::string isFolder = systemErrorText(ERROR_ACCESS_DENIED);
#else
    const std::string device = "pipe.txt";
    ASSERT_EQ(::mkfifo((folder / device).c_str(), 0644), 0); // must not hang
    const std::string missing = "No such file or directory";
    const std::string isFolder = "Is a directory";
#endif

    writeBytes(folder / "notes.txt", "Bring the scorebook,\r\n" + otherGameFile());
    std::string utf16 = "\xFF\xFE";
    for (const char c : otherGameFile())
        utf16 += std::string{c, '\0'};
    writeBytes(folder / "utf16.txt", utf16);

    // The box keeps its text, title and icon; the reason goes under the text.
    const struct {
        std::string name;
        std::string reason;
    } files_[] = {
        {"empty.txt", "It holds 0 of the 342 values of a game file."},
        {"binary.bin", "It is not a text file."},
        {"utf16.txt", "It is not a text file."},
        {"huge.txt", "It is larger than 3 MiB."},
        {"notes.txt", "It is not a game file: a game file begins with the header "
                      "\"Name\",\"FGM\",\u2026"},
        {"missing.txt", missing},
        {"folder.txt", isFolder},
        {device, "It is not a file but a device or a pipe."},
    };
    for (const auto& f : files_) {
        dialogs.shown.clear();
        openFrom(folder / f.name);
        EXPECT_EQ(state(), before) << f.name;
        EXPECT_EQ(files.filename(), folder / f.name);
        ASSERT_EQ(dialogs.messageTexts().size(), 1u) << f.name;
        const Shown& box = dialogs.shown.back();
        EXPECT_EQ(box.text, "Select/highlight appropriate file name in the file list box.");
        EXPECT_EQ(box.title, "Error loading");
        EXPECT_EQ(box.icon, Icon::Critical);
        EXPECT_EQ(box.detail, f.reason) << f.name;
    }
}

namespace {

// A translator that knows a few texts, as the .qm file of another language would.
class FewTexts : public QTranslator {
public:
    std::map<std::pair<std::string, std::string>, std::string> texts;
    QString translate(const char* context, const char* source, const char*, int) const override {
        const auto found = texts.find({context, source});
        return found == texts.end() ? QString() : QString::fromStdString(found->second);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// The reasons the core gives in English reach the scorer translated, their figures and names in
// the translated sentence; a reason in the system's words stays as it is.
TEST_F(FileOpen, ReasonsAreSaidInTheScorersLanguage) {
    int argc = 1;
    char program[] = "files_tests";
    char* argv[] = {program};
    QCoreApplication app(argc, argv);
    FewTexts german;
    german.texts = {
        {{"FileCommands", FileCommands::kOpenFailed}, "Datei w\u00e4hlen."},
        {{"FileCommands", FileCommands::kOpenFailedTitle}, "Fehler beim Laden"},
        {{"Core", kTooFewValuesReason}, "Sie enth\u00e4lt %1 der %2 Werte einer Spieldatei."},
        {{"Core", kBadPlayerCount}, "Die %2 von Spieler %1 sind %3: nur 0 bis 9.999."},
        {{"Core", "points"}, "Punkte"},
        {{"Core", kEarlierSave}, "Ein fr\u00fcherer Stand von %1."},
        {{"Season", "%1: %2"}, "%1 \u2013 %2"},
    };
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));

    writeBytes(folder / "empty.txt", "");
    openFrom(folder / "empty.txt");
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text, "Datei w\u00e4hlen.");
    EXPECT_EQ(dialogs.shown.back().title, "Fehler beim Laden");
    EXPECT_EQ(dialogs.shown.back().detail, "Sie enth\u00e4lt 0 der 342 Werte einer Spieldatei.");

    Season season;
    season.leftOut = {
        {"/g/a.txt", "Player 3's points hold -50: a count must be a whole number from 0 to 9,999.",
         ""},
        {"/g/b.txt", "", "/g/c 100%1.txt"},
        {"/g/d.txt", "Permission denied", ""},
    };
    EXPECT_EQ(leftOutLines(season),
              (std::vector<std::string>{"a.txt \u2013 Die Punkte von Spieler 3 sind -50: nur 0 bis "
                                        "9.999.",
                                        "b.txt \u2013 Ein fr\u00fcherer Stand von c 100%1.txt.",
                                        "d.txt \u2013 Permission denied"}));
}

// Only a file that starts like a game file becomes the game, and the name the next save offers.
TEST_F(FileOpen, TextThatIsNotAGameFileIsRefusedHoweverManyValuesItHolds) {
    playSomeGame();
    host.label = "/games/old.txt";
    const WindowState before = state();
    std::string notes;
    for (int i = 0; i < 500; ++i)
        notes += "Practice " + std::to_string(i) + ", bring the ball\n";
    std::string page = "<html>," + otherGameFile();
    std::string headerLater = otherGameFile();
    headerLater.insert(0, "\"\",");
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"notes.txt", notes}, {"page.html", page}, {"shifted.txt", headerLater}}) {
        dialogs.shown.clear();
        writeBytes(folder / name, bytes);
        openFrom(folder / name);
        EXPECT_EQ(state(), before) << name;
        EXPECT_EQ(dialogs.messageTexts(),
                  std::vector<std::string>{"Select/highlight appropriate file name in the file "
                                           "list box."})
            << name;
    }

    // The header's first value in any case, with blanks around it, unquoted, still opens.
    std::string file = otherGameFile();
    file.replace(0, 7, " NAME ,");
    writeBytes(folder / "upper.txt", file);
    openFrom(folder / "upper.txt");
    EXPECT_EQ(contentsOf(game), *parseGameFile(otherGameFile()));
}

TEST_F(FileRoundTrip, SavedGameOpensAsTheSameGame) {
    playSomeGame();
    const GameContents saved = contentsOf(game);
    // A name with letters from beyond any legacy code page, as a scorer may type it.
    const std::string path = folder / "Zoë's round – 李明.txt";
    saveTo(path);
    ASSERT_TRUE(isValidUtf8(readBytes(path))); // 李明 and Ł do not fit Windows-1252

    FakeDialogs otherDialogs;
    Game other{otherDialogs};
    FakeHost otherHost;
    FileCommands otherFiles{other, otherDialogs, otherHost};
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
    // A name with letters from beyond any legacy code page, as a scorer may type it.
    const std::string path = folder / "Zoë's round – 李明.txt";
    saveTo(path);
    ASSERT_FALSE(isValidUtf8(readBytes(path)));

    game.zeroSheet();
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, "?");
    openFrom(path);
    EXPECT_EQ(contentsOf(game), saved);
    EXPECT_EQ(txt("txtfgper_1"), "33.33%");
}
