// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The plays and the quarter in a game file: written after the 19 records, read back with the
// game, left out when they do not fit its statistics, and carried through a restore.
#include <algorithm>
#include <cstdio>
#include <numeric>

#include "files_fixture.h"
#include "formats/saved_game.h"
#include "sheet/numbers.h"
#include "store/recovery.h"
#include "store/recovery_records.h"
#include "system/disk.h"
#include "system/load_game.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

class FilePlays : public FilesTest {
protected:
    int second = 0;

    FilePlays() {
        game.setTimeOfDay([this] {
            char text[16];
            std::snprintf(text, sizeof text, "19:%02d:%02d", second / 60 % 60, second % 60);
            ++second;
            return std::string(text);
        });
    }

    // Four plays and a note of each kind, with the fourth quarter on.
    void playAndMend() {
        game.setName(4, "4  Ann");
        stat(4, 'h', Quarter::Second);
        stat(9, 'c', Quarter::Second);
        stat(4, 'u', Quarter::Second);
        stat(5, 'm', Quarter::Second);
        game.takeback();
        ASSERT_TRUE(game.givePlays({0}, 7));
        ASSERT_TRUE(game.movePlays({1}, Quarter::Third));
        host.quarter = Quarter::Fourth;
    }

    // The scorer is told once, and nothing else is shown after the file dialog.
    void expectToldOnce() {
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[0].kind, "open");
        EXPECT_EQ(dialogs.shown[1].kind, "message");
        EXPECT_EQ(dialogs.shown[1].title, "Plays not opened");
        EXPECT_EQ(dialogs.shown[1].text,
                  "The plays of this file do not match its statistics; they were not opened.");
    }
};

} // namespace

TEST_F(FilePlays, ComeAfterTheNineteenRecordsAndOpenWithTheQuarterAndEveryNote) {
    playAndMend();
    const std::string path = folder / "mended.txt";
    saveTo(path);
    const std::string bytes = readBytes(path);

    // The game's own records are byte for byte those of the game written without its plays,
    // and a reader that stops after the 342nd value reads the same game.
    const std::string nineteen = encodeGameFile(contentsOf(game));
    ASSERT_TRUE(bytes.starts_with(nineteen));
    EXPECT_EQ(parseGameFile(bytes), contentsOf(game));
    EXPECT_EQ(bytes.substr(nineteen.size()),
              "\"Quarter\",\"4th\"\r\n"
              "\"Play\",\"1\",\"19:00:00\",\"2nd\",\"7\",\"h\",\"counted\",\"4\",\"\"\r\n"
              "\"Play\",\"2\",\"19:00:01\",\"3rd\",\"9\",\"c\",\"counted\",\"\",\"2nd\"\r\n"
              "\"Play\",\"3\",\"19:00:02\",\"2nd\",\"4\",\"u\",\"counted\",\"\",\"\"\r\n"
              "\"Play\",\"4\",\"19:00:03\",\"2nd\",\"5\",\"m\",\"taken back\",\"\",\"\"\r\n");

    // Opened by a fresh start: the same game, list and quarter, and its plays can be mended.
    FakeDialogs otherDialogs;
    Game other{otherDialogs};
    FakeHost otherHost;
    FileCommands otherFiles{other, otherDialogs, otherHost};
    otherDialogs.fileAnswers.push_back(path);
    otherFiles.openGame();
    EXPECT_EQ(contentsOf(other), contentsOf(game));
    EXPECT_EQ(other.plays(), game.plays());
    EXPECT_EQ(otherHost.quarter, Quarter::Fourth);
    EXPECT_EQ(otherDialogs.shown.size(), 1u); // the file dialog alone
    EXPECT_FALSE(other.hasUnsavedChanges());

    ASSERT_TRUE(other.removePlays({1}));
    ASSERT_TRUE(other.givePlays({2}, 9));
    EXPECT_EQ(other.text(fieldByName("txt3rdpts")), "0");
    EXPECT_EQ(other.text(fieldByName("txtast_8")), "1");
    EXPECT_TRUE(other.hasUnsavedChanges());
}

TEST_F(FilePlays, ThatDoNotFitAreLeftOutAndTheStatisticsOpen) {
    stat(3, 'h', Quarter::Second);
    stat(3, 'c', Quarter::Second);
    stat(8, 'm', Quarter::Third);
    stat(8, 'r', Quarter::Third);
    const GameContents contents = contentsOf(game);
    const Plays plays = game.plays();
    const std::string fits = *encodeSavedGame(contents, Quarter::Third, plays);

    struct Case {
        const char* what;
        std::string bytes;
    };
    std::vector<Case> cases;
    const auto withPlays = [&](const char* what, auto change) {
        Plays p = plays;
        change(p);
        cases.push_back({what, *encodeSavedGame(contents, Quarter::Third, p)});
    };
    {
        GameContents fewer = contents;
        fewer.fields[fieldByName("txt2ndreb").id()] = "0"; // the rebound is not on its quarter
        cases.push_back(
            {"a count below its plays", *encodeSavedGame(fewer, Quarter::Third, plays)});
    }
    withPlays("a player out of range", [](Plays& p) { p[1].player = 13; });
    withPlays("a quarter out of range", [](Plays& p) { p[2].quarter = static_cast<Quarter>(5); });
    withPlays("no stat letter", [](Plays& p) { p[0].letter = 'x'; });
    withPlays("numbers out of order", [](Plays& p) { p[3].number = 3; });
    withPlays("no time of day", [](Plays& p) { p[2].time = "25:00:00"; });
    withPlays("given from its own player", [](Plays& p) { p[0].fromPlayer = 3; });
    cases.push_back({"cut short in a play", fits.substr(0, fits.size() - 12)});
    std::string extra = fits;
    extra.insert(extra.find("\"Play\",\"3\"") - 2, ",\"one value too many\"");
    cases.push_back({"a value too many", extra});

    const std::string path = folder / "game.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A game with plays of its own on the window, which must not stay.
        game.setPlays(plays);
        game.markSaved();
        host.quarter = Quarter::First;
        dialogs.shown.clear();
        writeBytes(path, c.bytes);
        openFrom(path);
        EXPECT_EQ(contentsOf(game), *parseGameFile(c.bytes));
        EXPECT_TRUE(game.plays().empty());
        EXPECT_EQ(host.quarter, Quarter::Third);
        expectToldOnce();
        // The file still holds what was not opened: it is not the game's own to rewrite.
        EXPECT_TRUE(game.hasUnsavedChanges());
        EXPECT_EQ(files.gameFile(), "");
    }
    // So Ctrl+S asks, with a name beside it, and Cancel leaves the file as it was.
    writeBytes(folder / "game (2).txt", "taken");
    dialogs.shown.clear();
    EXPECT_FALSE(files.saveToOwnFile());
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown[0].kind, "save");
    EXPECT_EQ(dialogs.shown[0].setup.startName, folder / "game (3).txt");
    EXPECT_EQ(dialogs.shown[0].setup.ownFile, "");
    EXPECT_EQ(readBytes(path), cases.back().bytes);
    game.markSaved();

    // The same file with its plays as written opens them.
    dialogs.shown.clear();
    writeBytes(path, fits);
    openFrom(path);
    EXPECT_EQ(game.plays(), plays);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(FilePlays, AFileWithoutThemOpensWithNoneInTheFirstQuarterAndNewEmptiesTheList) {
    stat(2, 'k', Quarter::Second);
    host.quarter = Quarter::Overtime;
    const std::string path = folder / "old.txt";
    writeBytes(path, encodeGameFile(contentsOf(game))); // as Tallivant wrote games before
    stat(2, 'k', Quarter::Overtime);
    openFrom(path);
    EXPECT_TRUE(game.plays().empty());
    EXPECT_EQ(host.quarter, Quarter::First);
    EXPECT_EQ(txt("txtblk_1"), "1");
    EXPECT_EQ(dialogs.shown.back().kind, "open");

    stat(6, 'o', Quarter::Third);
    ASSERT_EQ(game.plays().size(), 1u);
    files.newGame();
    EXPECT_TRUE(game.plays().empty());
    EXPECT_EQ(host.quarter, Quarter::First);
}

// The encoding is chosen on the 19 records alone: a stray byte or a NUL among the plays leaves
// the plays out, never the game, nor turns its UTF-8 names into Windows-1252.
TEST_F(FilePlays, AStrayByteOrANulAmongThePlaysLeavesOutThePlaysAlone) {
    game.setName(1, "1 Zoë 李");
    stat(1, 'c', Quarter::First);
    stat(2, 'h', Quarter::Second);
    const GameContents contents = contentsOf(game);
    const std::string fits = *encodeSavedGame(contents, Quarter::Second, game.plays());
    const std::size_t time = fits.find("\"Play\",\"2\",\"") + 12;
    const std::string path = folder / "game.txt";
    for (const char stray : {'\xFF', '\0'}) {
        SCOPED_TRACE(static_cast<int>(stray));
        std::string bytes = fits;
        bytes.insert(time, 1, stray);
        writeBytes(path, bytes);
        game.markSaved();
        dialogs.shown.clear();
        openFrom(path);
        EXPECT_EQ(contentsOf(game), contents);
        EXPECT_TRUE(game.plays().empty());
        EXPECT_EQ(host.quarter, Quarter::Second);
        expectToldOnce();
    }
}

// Whatever opens can be saved (and kept by the recovery copy, by the same rule) through every
// correction to come. An earlier Tallivant wrote files up to the limit as the plays then were;
// given, moved and removed, they would outgrow it: such plays are left out on opening.
TEST_F(FilePlays, ThousandsSaveAndOpenAndWhatOpensIsSavedAfterEveryCorrection) {
    for (int i = 0; i < 5000; ++i)
        stat(1 + i % kPlayers, "cvdferhunokmt"[i % 13], static_cast<Quarter>(i / 1000));
    const std::string path = folder / "long.txt";
    saveTo(path);
    Plays many = game.plays();
    const std::size_t recorded = many.size();
    game.setPlays({});
    openFrom(path);
    EXPECT_EQ(game.plays(), many);

    // Field goals missed by player 10 in the first quarter, up to the limit as written today.
    Play missed = many.back();
    missed.quarter = Quarter::First, missed.player = 10, missed.letter = 'v';
    const std::size_t quarterLine = quarterAndPlaysText(Quarter::Second, {}).size();
    std::size_t size = readBytes(path).size();
    for (;;) {
        missed.number = static_cast<int>(many.size()) + 1;
        size += quarterAndPlaysText(Quarter::Second, {missed}).size() - quarterLine;
        if (size > kMaxSavedGameBytes) break;
        many.push_back(missed);
    }
    const int added = static_cast<int>(many.size() - recorded);
    for (const char* name : {"txtfga_9", "txt1stfga", "txtfgatot"})
        set(name, formatCount(readLenient(txt(name)) + added));
    const GameContents contents = contentsOf(game);
    const std::string written =
        encodeGameFile(contents) + quarterAndPlaysText(Quarter::First, many);
    ASSERT_LE(written.size(), kMaxSavedGameBytes);
    writeBytes(path, written);
    game.markSaved();
    dialogs.shown.clear();
    openFrom(path);
    EXPECT_EQ(contentsOf(game), contents);
    EXPECT_TRUE(game.plays().empty());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, FileCommands::kTooManyPlays);
    // Nor do Save and the recovery copy write them.
    game.setPlays(many);
    dialogs.shown.clear();
    saveTo(path);
    expectNotSaved("the game would be too large to open again.");
    EXPECT_TRUE(readBytes(path) == written);
    Recovery copy(folder / "state");
    const auto keep = [&] {
        return copy.write({contentsOf(game), "", Quarter::First, game.memory(), game.plays()});
    };
    EXPECT_EQ(keep(), "the game is too large to keep.");

    // As many as fit at their longest: they open, and once every one is removed, given from
    // player 10 to 12 and moved from the first quarter to the second, they are saved and open.
    while (!encodeSavedGame(contents, Quarter::First, many))
        many.pop_back();
    game.setPlays(many);
    saveTo(path);
    game.setPlays({});
    openFrom(path);
    ASSERT_EQ(game.plays(), many);
    std::vector<int> places(many.size() - recorded);
    std::iota(places.begin(), places.end(), static_cast<int>(recorded));
    ASSERT_TRUE(game.removePlays(places));
    ASSERT_TRUE(game.givePlays(places, 12));
    ASSERT_TRUE(game.movePlays(places, Quarter::Second));
    const Plays corrected = game.plays();
    EXPECT_EQ(keep(), std::nullopt);
    dialogs.shown.clear();
    saveTo(path);
    ASSERT_EQ(dialogs.shown.back().text, "Your file has been saved.");
    game.setPlays({});
    openFrom(path);
    EXPECT_EQ(game.plays(), corrected);
}

TEST_F(FilePlays, ARestoredGameHasItsPlaysAndTakebackStillTakesBackTheLast) {
    stat(3, 'c', Quarter::Second);
    stat(5, 'e', Quarter::Third);
    const KeptGame kept{contentsOf(game), "", Quarter::Third, game.memory(), game.plays()};

    FakeDialogs otherDialogs;
    Game other{otherDialogs};
    FakeHost otherHost;
    FileCommands otherFiles{other, otherDialogs, otherHost};
    otherFiles.restore(kept);
    EXPECT_EQ(other.plays(), game.plays());
    EXPECT_EQ(otherHost.quarter, Quarter::Third);
    other.takeback();
    EXPECT_FALSE(other.plays()[1].counted);
    EXPECT_EQ(other.text(fieldByName("txt3rd3ptm")), "0");

    // A memory that is not the last play's is forgotten: a takeback then does nothing.
    KeptGame odd = kept;
    odd.memory.oldplayernum = 4;
    otherFiles.restore(odd);
    EXPECT_EQ(other.tbletter(), "");
    other.takeback();
    EXPECT_EQ(other.text(fieldByName("txt3rd3ptm")), "1");
}

// A restored game whose label names a file of the scorer's has that file as its own again:
// Ctrl+S writes it at once. Should the file have changed since the copy was last written
// (another copy of the program saved it), Ctrl+S asks first, naming it.
TEST_F(FilePlays, ARestoredGameSavesToItsOwnFileAndAsksWhenTheFileChangedSince) {
    stat(3, 'c', Quarter::Second);
    const std::string own = folder / "final.txt";
    writeBytes(own, "the game as it was saved");
    const std::int64_t written = *changedAt(own);
    const KeptGame kept{contentsOf(game), own, Quarter::Second, game.memory(), game.plays()};
    for (const bool changedSince : {false, true}) {
        SCOPED_TRACE(changedSince);
        dialogs.shown.clear();
        dialogs.okCancelAnswers = {false};
        files.restore(kept, changedSince ? written - 60 : written + 60);
        EXPECT_EQ(files.gameFile(), own);
        EXPECT_TRUE(game.hasUnsavedChanges());
        EXPECT_EQ(files.saveToOwnFile(), !changedSince);
        ASSERT_EQ(dialogs.shown.size(), changedSince ? 1u : 0u);
        if (changedSince) {
            EXPECT_EQ(dialogs.shown[0].kind, "okCancel");
            EXPECT_NE(dialogs.shown[0].text.find(own), std::string::npos);
            EXPECT_EQ(readBytes(own), "the game as it was saved");
        } else {
            EXPECT_EQ(readBytes(own), savedBytes());
            writeBytes(own, "the game as it was saved");
        }
    }
}

// The recovery copy composes only the plays that changed since its last copy: whatever happened
// to the list in between (a new play, a correction far back, a takeback, a new game), its text
// must be what a fresh composition gives.
TEST(PlaysText, KeptUpToDateIsAlwaysWhatAFreshCompositionGives) {
    FakeDialogs dialogs;
    Game game(dialogs);
    PlaysText kept;
    std::uint32_t seed = 7;
    const auto next = [&seed](std::uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    for (int step = 0; step < 600; ++step) {
        const auto quarter = static_cast<Quarter>(next(kQuarters));
        switch (next(10)) {
        case 0:
            game.takeback();
            break;
        case 1:
            if (!game.plays().empty())
                game.removePlays({static_cast<int>(next(game.plays().size()))});
            break;
        case 2:
            if (!game.plays().empty())
                game.movePlays({static_cast<int>(next(game.plays().size()))}, quarter);
            break;
        case 3:
            if (step % 7 == 0) game.setPlays({});
            break;
        default:
            game.selectPlayer(static_cast<int>(1 + next(kPlayers)));
            game.record(static_cast<int>(next(kStats)), quarter);
        }
        ASSERT_EQ(kept.of(quarter, game.plays()), quarterAndPlaysText(quarter, game.plays()))
            << "step " << step;
    }
}

namespace {

// The other side of a game: the opponent's plays and the details after our plays, every byte
// ASCII whatever the names hold; read back whole by Open and by the recovery copy. A record of a
// kind this reader does not know is passed over, and a broken opponent record leaves out the
// opponent's plays alone.
TEST_F(FilePlays, TheOtherSideIsKeptAfterThePlaysInAsciiAndOpensWhole) {
    stat(4, 'c', Quarter::Second);
    game.recordOpponent(OpponentWhat::Three, Quarter::Second);
    game.recordOpponent(OpponentWhat::Foul, Quarter::Second);
    game.recordOpponent(OpponentWhat::Set, Quarter::First, 14);
    ASSERT_TRUE(game.moveOpponentPlays({1}, Quarter::Third));
    ASSERT_TRUE(game.removeOpponentPlays({0}));
    GameDetails details;
    details.team = "Adler \"Süd\", 100% & mehr";
    details.opponent = "Hawks";
    details.date = "2026-12-09";
    details.place = "Halle\r\nNord";
    details.rules = presetRules(RulesPreset::NcaaMen);
    details.rules.foulOut = 6; // changed by hand: the scorer's own
    game.setDetails(details);
    const std::string path = folder / "both.txt";
    saveTo(path);
    const std::string bytes = readBytes(path);
    const std::string nineteen = encodeGameFile(contentsOf(game));
    ASSERT_TRUE(bytes.starts_with(nineteen));
    const std::string after = bytes.substr(nineteen.size());
    EXPECT_TRUE(std::all_of(after.begin(), after.end(),
                            [](char c) { return c > 0 && static_cast<unsigned char>(c) < 0x80; }));
    // The details before our plays, where a reader from before them stops and leaves the plays
    // out rather than take the game for whole; the opponent's plays after ours.
    EXPECT_TRUE(
        after.starts_with("\"Quarter\",\"1st\"\r\n\"Details\",\"Adler %22S%C3%BCd%22, 100%25 "
                          "& mehr\",\"Hawks\",\"2026-12-09\",\"Halle%0D%0ANord\",\"NCAA "
                          "men\",\"6\",\"yes\",\"yes\",\"2\",\"7\",\"10\",\"halves\",\"with "
                          "last\",\"10\"\r\n\"Play\",\"1\","))
        << after;
    EXPECT_TRUE(after.ends_with(
        "\"Opponent\",\"1\",\"19:00:01\",\"2nd\",\"3\",\"taken back\",\"\",\"1\"\r\n"
        "\"Opponent\",\"2\",\"19:00:02\",\"3rd\",\"foul\",\"counted\",\"2nd\",\"1\"\r\n"
        "\"Opponent\",\"3\",\"19:00:03\",\"1st\",\"set 14\",\"counted\",\"\",\"1\"\r\n"))
        << after;

    const auto opened = [&](const std::string& text) {
        const auto read = readSavedGame(text);
        return std::get<SavedGame>(read);
    };
    // A preset whose numbers were changed opens as the scorer's own rules.
    Matchup expected = game.matchup();
    expected.details.rules.preset = RulesPreset::Custom;
    SavedGame saved = opened(bytes);
    EXPECT_EQ(saved.matchup, expected);
    EXPECT_EQ(saved.plays, game.plays());

    // Records a later version may add, anywhere after the game, are passed over.
    const std::string later =
        nineteen + "\"Weather\",\"rain\",\"cold\"\r\n" + after + "\"Referees\",\"3\"\r\n";
    saved = opened(later);
    EXPECT_EQ(saved.matchup, expected);
    EXPECT_FALSE(saved.playsLeftOut);
    // Without the eighth value (the play of ours each came after), each is placed by its time.
    std::string seven = bytes;
    for (std::size_t at = 0; (at = seven.find(",\"1\"\r\n\"Opponent", at)) != std::string::npos;)
        seven.erase(at, 4);
    seven.erase(seven.rfind(",\"1\"\r\n"), 4);
    saved = opened(seven);
    ASSERT_EQ(saved.matchup.opponent.size(), 3u);
    EXPECT_EQ(saved.matchup.opponent[0].after, -1);
    FakeDialogs placedDialogs;
    Game placed{placedDialogs};
    placed.setPlays(saved.plays);
    placed.setMatchup(saved.matchup);
    EXPECT_EQ(placed.matchup().opponent, game.matchup().opponent);
    // A broken opponent record: their plays are left out, ours and the details open.
    std::string broken = bytes;
    broken.replace(broken.find("\"foul\""), 6, "\"fowl\"");
    saved = opened(broken);
    EXPECT_TRUE(saved.opponentLeftOut);
    EXPECT_TRUE(saved.matchup.opponent.empty());
    EXPECT_EQ(saved.matchup.details, expected.details);
    EXPECT_EQ(saved.plays, game.plays());

    // The recovery copy keeps both sides, and a restored game's Ctrl+Z reaches the opponent's
    // plays recorded after our last stat.
    KeptGame kept{contentsOf(game), "", Quarter::Second, game.memory(), game.plays()};
    kept.matchup = game.matchup();
    PlaysText text;
    const auto copy = recoveryBytes(kept, text);
    ASSERT_TRUE(copy);
    const auto whole = wholeBytes(*copy);
    ASSERT_TRUE(whole);
    SavedGame fromCopy;
    KeptGame keptAgain;
    std::size_t end = 0;
    const std::string decoded = decodeGameFile(*whole);
    splitValues(decoded, kFileValues, &end);
    readRecords(splitRecords(std::string_view(decoded).substr(end)), fromCopy, keptAgain);
    EXPECT_EQ(fromCopy.matchup, expected);

    FakeDialogs otherDialogs;
    Game other{otherDialogs};
    FakeHost otherHost;
    FileCommands otherFiles{other, otherDialogs, otherHost};
    kept.matchup = fromCopy.matchup;
    otherFiles.restore(kept);
    EXPECT_EQ(other.undoNewest().kind, Game::Undone::Opponent);
    EXPECT_FALSE(other.matchup().opponent[2].counted);
}

} // namespace
