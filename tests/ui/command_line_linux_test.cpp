// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program run from a shell with a clean environment: no DISPLAY, no WAYLAND_DISPLAY, no
// XDG_RUNTIME_DIR, as from a cron job. It writes a game's report and box score and ends, saying
// nothing; or it says why not on standard error, with its exit status.
#include <gtest/gtest.h>

#include <QTranslator>
#include <cctype>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "formats/csv.h"
#include "formats/live_page.h"
#include "formats/saved_game.h"
#include "report/compose.h"
#include "report/pdf_tools.h"
#include "report/place.h"
#include "season/season.h"
#include "session/exports.h"
#include "session/file_commands.h"
#include "session/season_commands.h"
#include "support/full_game.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {
namespace {

class Host : public FilesHost {
public:
    void switchFirstQuarterOn() override {}
    void setFileLabel(const std::string& path) override { label = path; }
    std::string fileLabel() const override { return label; }
    std::string label;
};

struct Outcome {
    int status = -1;
    std::string out, err;
};

class CommandLineRun : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string gameFile = folder / "Zoë's final.txt";

    // The full game, saved as File|Save saves it.
    void SetUp() override {
        played.zeroSheet();
        playFullGame(played);
        Host host;
        FileCommands files(played, quiet, host);
        quiet.fileAnswers = {gameFile};
        ASSERT_TRUE(files.savegame());
    }

    // `tallivant ARGUMENTS` in the folder, with nothing in its environment but a path, a home,
    // a locale, the sanitizers' settings and `extra`.
    Outcome run(const std::vector<std::string>& arguments, const std::string& extra = "") const {
        std::string command = "cd " + quoted(utf8(folder.path())) +
                              " && env -i PATH=/usr/bin:/bin HOME=" + quoted(utf8(folder.path())) +
                              " LANG=C.UTF-8";
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
            if (const char* value = std::getenv(name))
                command += std::string(" ") + name + "=" + quoted(value);
        command += " " + extra + " timeout 30 " + quoted(TALLIVANT_PROGRAM);
        for (const std::string& a : arguments)
            command += " " + quoted(a);
        const std::string out = folder / ".out", err = folder / ".err";
        command += " >" + quoted(out) + " 2>" + quoted(err);
        const int raw = std::system(command.c_str());
        Outcome r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        if (r.status == 124) {
            std::string shown = "tallivant";
            for (const std::string& a : arguments)
                shown += " " + a;
            ADD_FAILURE() << "gave up after 30 s waiting for " << shown << " to end";
        }
        r.out = readBytes(out);
        r.err = readBytes(err);
        std::filesystem::remove(utf8Path(out));
        std::filesystem::remove(utf8Path(err));
        return r;
    }

    // The game as File|Open opens it in the window, and what it would say.
    Game opened(const std::string& path, FakeDialogs& dialogs) const {
        Game g(dialogs);
        Host host;
        FileCommands(g, dialogs, host).openGame(path);
        return g;
    }

    FakeDialogs quiet;
    Game played{quiet};
};

// A game with every kind of stat and names with accents, "&", a comma and a quote: the PDF holds
// the report's lines, the CSV files are what File|Export CSV writes for the game opened, and
// the program says nothing. QT_QPA_PLATFORM asking for X does not make it need one.
TEST_F(CommandLineRun, WritesTheReportAndTheBoxScoreWithNoDisplayAndSaysNothing) {
    const Outcome r =
        run({"--pdf", "report.pdf", "--csv", "box.csv", gameFile}, "QT_QPA_PLATFORM=xcb");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");

    FakeDialogs dialogs;
    const Game g = opened(gameFile, dialogs);
    ASSERT_TRUE(dialogs.messageTexts().empty());
    ASSERT_EQ(g.plays().size(), played.plays().size());
    EXPECT_EQ(wordLines(pdfText(folder / "report.pdf")), wordLines(renderText(composeReport(g))));

    const std::string menu = folder / "menu.csv";
    ASSERT_FALSE(writeOutputs(boxScoreOutputs(g, menu), {}));
    EXPECT_EQ(readBytes(folder / "box.csv"), readBytes(menu));
    EXPECT_EQ(readBytes(folder / "box-plays.csv"), readBytes(folder / "menu-plays.csv"));
    EXPECT_NE(readBytes(folder / "box.csv").find("\"5 Lee, Ann\","), std::string::npos);
}

// The live page's files for a saved game of both sides, whose texts would run as markup: game.json
// validates against the schema and its plays add up to its lines and score, the page carries
// the same game, and neither ever replaces the game it is written from.
TEST_F(CommandLineRun, TheLivePagesFilesOfAGameOfBothSidesValidateAndAddUp) {
    GameDetails details;
    details.team = "<img src=x onerror=\"window.pwned=1\">";
    details.opponent = "</script><script>window.pwned=2</script>";
    details.place = "Gym & Hall";
    details.rules = presetRules(RulesPreset::NcaaMen);
    played.setDetails(details);
    for (const Quarter q : {Quarter::First, Quarter::Second, Quarter::Overtime}) {
        played.recordOpponent(OpponentWhat::Three, q);
        played.recordOpponent(OpponentWhat::Foul, q);
        played.recordOpponent(OpponentWhat::One, q);
    }
    played.recordOpponent(OpponentWhat::Set, Quarter::First, 14);
    played.recordOpponent(OpponentWhat::Two, Quarter::First);
    played.undoNewest();
    Host host;
    FileCommands files(played, quiet, host);
    quiet.fileAnswers = {gameFile};
    ASSERT_TRUE(files.savegame());

    Outcome r = run({"--json", "game.json", "--html", "index.html", gameFile});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string check = std::string("/usr/bin/python3 ") + TALLIVANT_CHECK_GAME_JSON + " " +
                              TALLIVANT_GAME_SCHEMA + " " + quoted(folder / "game.json");
    EXPECT_EQ(std::system(check.c_str()), 0);
    const std::string json = readBytes(folder / "game.json");
    EXPECT_EQ(json.find_first_of("<>&"), std::string::npos);
    EXPECT_NE(json.find("\"them\":22,\"periods\""), std::string::npos) << json.substr(0, 900);
    EXPECT_NE(readBytes(folder / "index.html").find(embeddableJson(json)), std::string::npos);

    const std::string before = readBytes(gameFile);
    r = run({"--json", "new.json", "--html", gameFile, gameFile});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(kIsBeingRead), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(gameFile), before);
    EXPECT_FALSE(std::filesystem::exists(utf8Path(folder / "new.json")));
}

// A file that is no game gives the reason the Open box gives under its text; one that is not
// there, the system's. Status 1, and nothing is written.
TEST_F(CommandLineRun, GameThatDoesNotOpenGivesTheOpenBoxsReason) {
    const std::string bytes = readBytes(gameFile);
    writeBytes(folder / "short.txt", bytes.substr(0, bytes.size() / 3));
    FakeDialogs dialogs;
    opened(folder / "short.txt", dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const std::string reason = dialogs.shown[0].detail;
    ASSERT_TRUE(reason.starts_with("It holds ")) << reason;

    Outcome r = run({"--pdf", "report.pdf", "short.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tallivant: short.txt: " + reason + "\n");
    EXPECT_EQ(r.out, "");
    r = run({"--csv", "box.csv", "missing.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tallivant: missing.txt: No such file or directory\n");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"Zoë's final.txt", "short.txt"}));
}

// Two good games (the second the same statistics without plays), a file that is no game, a
// half-time save of the first and a game with a count that is none, with no display: the
// season of the two is written (the CSV as the module adds them up, the PDF with every player),
// each file left out is named with its reason, and the status says so.
TEST_F(CommandLineRun, SeasonOfGoodGamesIsWrittenAndEveryFileLeftOutIsNamedWithItsReason) {
    SavedGame saved = std::get<SavedGame>(readSavedGame(readBytes(gameFile)));
    ASSERT_GT(saved.plays.size(), 10u);
    writeBytes(folder / "second.txt", encodeGameFile(saved.game));
    writeBytes(folder / "notes.txt", "bring the scorebook\r\n");
    const Plays firstTen(saved.plays.begin(), saved.plays.begin() + 10);
    writeBytes(folder / "Zoë's half-time.txt",
               *encodeSavedGame(saved.game, Quarter::Second, firstTen));
    GameContents bad = saved.game;
    bad.fields[Field{playerLine(2), PTS}.id()] = "-50";
    writeBytes(folder / "bad.txt", encodeGameFile(bad));
    Outcome r = run({"--season-csv", "season.csv", "--season-pdf", "season.pdf", "Zoë's final.txt",
                     "notes.txt", "Zoë's half-time.txt", "second.txt", "bad.txt"});
    EXPECT_EQ(r.status, 1);
    const Season expected = readSeason({gameFile, folder / "second.txt"});
    ASSERT_EQ(expected.team.games, 2);
    ASSERT_EQ(expected.leftOut.size(), 0u);
    const Season withBad = readSeason({folder / "notes.txt"});
    ASSERT_EQ(withBad.leftOut.size(), 1u);
    EXPECT_EQ(r.err, "tallivant: notes.txt: " + withBad.leftOut[0].reason +
                         "\ntallivant: Zoë's half-time.txt: An earlier save of Zoë's final.txt.\n"
                         "tallivant: bad.txt: Player 3's points hold -50: a count must be a whole "
                         "number from 0 to 9,999.\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readBytes(folder / "season.csv"), seasonCsv(expected));
    const std::string pdf = pdfText(folder / "season.pdf");
    for (const SeasonLine& line : expected.players)
        EXPECT_NE(pdf.find(line.player), std::string::npos) << line.player;
    EXPECT_NE(pdf.find("Team"), std::string::npos);
    // Under the table the record, none here without details, and the games in date order.
    // ("Zoë's" alone: the printed "fi" is one ligature.)
    const auto record = pdf.find("No game with a score");
    EXPECT_LT(record, pdf.find("Zoë's"));
    EXPECT_LT(pdf.find("Zoë's"), pdf.find("second.txt"));
    // The window names the files, the later save too, without their folders.
    EXPECT_EQ(leftOutLines(readSeason({folder / "Zoë's half-time.txt", gameFile})),
              std::vector<std::string>{"Zoë's half-time.txt: An earlier save of Zoë's final.txt."});

    // Nothing to add up: nothing written, status 1.
    r = run({"--season-csv", "none.csv", "notes.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(utf8Path(folder / "none.csv")));
}

// A folder that does not exist gives the system's reason; a named pipe is refused and left a
// pipe, unread and unwritten (the run would block on it otherwise). Status 1, nothing written.
TEST_F(CommandLineRun, OutputThatCannotBeWrittenGivesTheReason) {
    Outcome r = run({"--pdf", "no folder/report.pdf", gameFile});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tallivant: no folder/report.pdf: No such file or directory\n");
    r = run({"--csv", "no folder/box.csv", gameFile});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tallivant: no folder/box.csv: No such file or directory\n");

    ASSERT_EQ(mkfifo((folder / "pipe.pdf").c_str(), 0600), 0);
    for (const char* option : {"--pdf", "--csv"}) {
        r = run({option, "pipe.pdf", gameFile});
        EXPECT_EQ(r.status, 1) << option;
        EXPECT_EQ(r.err, "tallivant: pipe.pdf: it is not a regular file.\n") << option;
    }
    struct stat s {};
    ASSERT_EQ(stat((folder / "pipe.pdf").c_str(), &s), 0);
    EXPECT_TRUE(S_ISFIFO(s.st_mode));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"Zoë's final.txt", "pipe.pdf"}));
}

// A command line not understood gives the usage and status 2; --help and --version answer on
// standard output. None of them needs a display.
TEST_F(CommandLineRun, WrongOptionGivesTheUsageAndHelpAndVersionAnswer) {
    Outcome r = run({"--pfd", "report.pdf", gameFile});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.starts_with("tallivant: Unknown option 'pfd'.\n")) << r.err;
    EXPECT_NE(r.err.find("\n\nUsage: tallivant [options] [GAME...]\n"), std::string::npos);
    EXPECT_EQ(r.out, "");
    r = run({"--pdf", "report.pdf"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("need the game file"), std::string::npos) << r.err;

    r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--pdf <OUT>"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
    r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("Tallivant ")) << r.out;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Zoë's final.txt"});
}

// The program speaks the system's language from its first word, --help included, and English in
// the C locale whatever LANGUAGE asks; the files it writes are the same in every language.
TEST_F(CommandLineRun, SpeaksTheSystemsLanguageAndWritesTheSameFiles) {
    const std::string english = run({"--help"}).out;
    const std::string englishCsv =
        (run({"--csv", "en.csv", gameFile}), readBytes(folder / "en.csv"));
    ASSERT_NE(english.find("Write the report of GAME to OUT as PDF."), std::string::npos);
    EXPECT_EQ(run({"--help"}, "LANGUAGE=de LC_ALL=C").out, english);
    for (const char* language : {"de", "fr", "es", "it"}) {
        QTranslator words;
        ASSERT_TRUE(words.load(QStringLiteral(":/i18n/tallivant_%1.qm").arg(language)));
        const std::string pdf =
            words.translate("CommandLine", "Write the report of GAME to OUT as PDF.").toStdString();
        ASSERT_FALSE(pdf.empty()) << language;
        const std::string env = std::string("LANGUAGE=") + language + " LC_ALL=" + language + "_" +
                                char(std::toupper(language[0])) + char(std::toupper(language[1])) +
                                ".UTF-8";
        const Outcome r = run({"--help"}, env);
        EXPECT_EQ(r.status, 0) << env;
        EXPECT_NE(r.out.find(pdf), std::string::npos) << env << "\n" << r.out;
        EXPECT_NE(r.out.find("--pdf <OUT>"), std::string::npos) << r.out;
        const std::string csv = std::string(language) + ".csv";
        EXPECT_EQ(run({"--csv", csv, gameFile}, env).status, 0) << env;
        EXPECT_EQ(readBytes(folder / csv), englishCsv) << env;
    }
}

} // namespace
} // namespace tallivant::testing
