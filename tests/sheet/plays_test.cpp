// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The plays of a game against its sheet: whatever is recorded, taken back and corrected, and
// however often the game is saved and opened again, every line is what its counted plays add.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include <cstdio>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "session/file_commands.h"
#include "sheet/numbers.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

// What each stat adds to a line, written out by hand once more: the recount must not share the
// program's own table.
const std::map<char, std::vector<std::pair<int, int>>> kAdds = {
    {'c', {{FGM, 1}, {FGA, 1}, {PTS, 2}}},
    {'v', {{FGA, 1}}},
    {'d', {{FTM, 1}, {FTA, 1}, {PTS, 1}}},
    {'f', {{FTA, 1}}},
    {'e', {{TPM, 1}, {TPA, 1}, {PTS, 3}}},
    {'r', {{TPA, 1}}},
    {'h', {{REB, 1}}},
    {'u', {{AST, 1}}},
    {'n', {{TO, 1}}},
    {'o', {{STL, 1}}},
    {'k', {{BLK, 1}}},
    {'m', {{PF, 1}}},
    {'t', {{TF, 1}}},
};

std::array<int, kFields> recount(const Plays& plays) {
    std::array<int, kFields> sums{};
    for (const Play& p : plays) {
        if (!p.counted) continue;
        for (const auto& [col, amount] : kAdds.at(p.letter))
            for (const int line :
                 {p.player - 1, kPlayers + static_cast<int>(p.quarter), kTotalsLine})
                sums[Field{line, col}.id()] += amount;
    }
    return sums;
}

const char* const kCorrections[] = {"remove", "put back", "give", "move"};

bool isPercent(int col) {
    return col == FGPER || col == FTPER || col == TPPER;
}

// Every count is exactly the recount's, as plain decimal text, never below 0; every percentage
// is its line's (or the "0" of a line never written since the sheet was zeroed); the foul colour
// follows the personal fouls.
void expectSheetIsRecount(const Game& game, int step) {
    const auto sums = recount(game.plays());
    for (int id = 0; id < kFields; ++id) {
        const Field f = Field::fromId(id);
        if (isPercent(f.col)) continue;
        ASSERT_GE(readLenient(game.text(f)), 0) << "step " << step << " " << fieldName(f);
        ASSERT_EQ(game.text(f), std::to_string(sums[id])) << "step " << step << " " << fieldName(f);
    }
    for (int line = 0; line < kLines; ++line)
        for (const int made : {FGM, FTM, TPM}) {
            const int m = sums[Field{line, made}.id()], a = sums[Field{line, made + 1}.id()];
            const std::string& shown = game.text({line, made + 2});
            if (shown == "0" && a == 0) continue;
            ASSERT_EQ(shown, percentText(m, a))
                << "step " << step << " " << fieldName({line, made + 2});
        }
    for (int p = 0; p < kPlayers; ++p)
        ASSERT_EQ(game.inFoulTrouble(p), (sums[Field{p, PF}.id()] >= 3)) << "step " << step;
}

class Host : public FilesHost {
public:
    Quarter quarter = Quarter::First;
    std::string label;
    void switchFirstQuarterOn() override { quarter = Quarter::First; }
    void switchQuarterOn(Quarter q) override { quarter = q; }
    Quarter currentQuarter() const override { return quarter; }
    void setFileLabel(const std::string& path) override { label = path; }
    std::string fileLabel() const override { return label; }
};

} // namespace

TEST(RandomGamesWithCorrections, EveryLineIsWhatItsCountedPlaysAdd) {
    std::mt19937 rng(20261209);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<>(low, high)(rng);
    };
    ScratchFolder folder;
    const std::string path = folder / "game.txt";
    int steps = 0;
    std::map<std::string, int> done; // corrections that changed the game, and round trips
    for (int gameNo = 0; gameNo < 25; ++gameNo) {
        FakeDialogs dialogs;
        Game game{dialogs};
        Host host;
        FileCommands files{game, dialogs, host};
        int second = 0;
        game.setTimeOfDay([&second] {
            char text[16];
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", (19 + second / 3600) % 24,
                          second / 60 % 60, second % 60);
            second += 7;
            return std::string(text);
        });
        // Some plays, the later ones more often: a mistake is mostly noticed soon.
        const auto places = [&](int most) {
            std::vector<int> out;
            const int size = static_cast<int>(game.plays().size());
            const int first = pick(std::max(0, size - 20), size - 1);
            for (int n = pick(1, most); n > 0 && first + n - 1 < size; --n)
                out.push_back(first + n - 1);
            return out;
        };
        for (int i = 0; i < 400; ++i, ++steps) {
            const int action = pick(0, 59);
            const bool any = !game.plays().empty();
            if (action < 12) {
                game.selectPlayer(pick(1, kPlayers));
            } else if (action < 15) {
                host.quarter = static_cast<Quarter>(pick(0, kQuarters - 1));
            } else if (action < 34) {
                game.record(pick(0, kStats - 1), host.quarter);
            } else if (action < 38) {
                game.takeback();
            } else if (action < 59 && any) {
                const int kind = action % 4;
                const auto chosen = places(kind == 3 ? 6 : 3);
                bool changed = false;
                if (kind == 0) changed = game.removePlays(chosen);
                if (kind == 1) changed = game.putBackPlays(chosen);
                if (kind == 2) changed = game.givePlays(chosen, pick(1, kPlayers));
                if (kind == 3)
                    changed = game.movePlays(chosen, static_cast<Quarter>(pick(0, kQuarters - 1)));
                if (changed) ++done[kCorrections[kind]];
                ASSERT_EQ(game.tbletter(), "") << "step " << steps;
            } else if (action == 59) {
                const Plays plays = game.plays();
                const Quarter quarter = host.quarter;
                dialogs.fileAnswers.push_back(path);
                ASSERT_TRUE(files.savegame()) << "step " << steps;
                // What is on the window goes, so that only the file can bring it back.
                game.zeroSheet();
                game.setPlays({});
                host.quarter = Quarter::First;
                dialogs.fileAnswers.push_back(path);
                files.openGame();
                ASSERT_EQ(game.plays(), plays) << "step " << steps;
                ASSERT_EQ(host.quarter, quarter) << "step " << steps;
                ++done["save and open"];
            }
            expectSheetIsRecount(game, steps);
            if (::testing::Test::HasFatalFailure()) return;
        }
        for (const Shown& s : dialogs.shown) {
            ASSERT_NE(s.text, Game::kNotANumber);
            ASSERT_NE(s.text, FileCommands::kPlaysNotOpened);
        }
    }
    EXPECT_EQ(steps, 10000);
    for (const char* kind : kCorrections)
        EXPECT_GE(done[kind], 300) << kind;
    EXPECT_GE(done["save and open"], 100);
}

namespace {

class PlaysTest : public GameTest, private GameListener {
protected:
    int playsHeard = 0;

    PlaysTest() {
        game.setListener(this);
        game.setTimeOfDay([] { return std::string("19:02:11"); });
    }
    void fieldChanged(Field) override {}
    void selectionChanged() override {}
    void nameChanged(int) override {}
    void playsChanged() override { ++playsHeard; }

    static Play play(int number, Quarter q, int player, char letter) {
        Play p;
        p.number = number;
        p.time = "19:02:11";
        p.quarter = q;
        p.player = player;
        p.letter = letter;
        return p;
    }
};

} // namespace

TEST_F(PlaysTest, EachRecordedStatIsOnePlayAndARefusedPressNone) {
    stat(4, 'h', Quarter::Second);
    click('u', Quarter::Third); // no player
    stat(7, 'm', Quarter::Third);
    click('t', Quarter::Fourth); // the fouler stays selected
    EXPECT_EQ(game.plays(),
              (Plays{play(1, Quarter::Second, 4, 'h'), play(2, Quarter::Third, 7, 'm'),
                     play(3, Quarter::Fourth, 7, 't')}));
    EXPECT_EQ(playsHeard, 3);

    // Without a clock of its own, the game takes the time of day.
    FakeDialogs d;
    Game g{d};
    g.selectPlayer(2);
    g.record(statRow('c'), Quarter::First);
    ASSERT_EQ(g.plays().size(), 1u);
    // hh:mm:ss, a time of day (no <regex>: GCC 12 warns inside it in the sanitizer build).
    const std::string& t = g.plays()[0].time;
    const auto two = [&](std::size_t at) { return std::stoi(t.substr(at, 2)); };
    ASSERT_EQ(t.size(), 8u) << t;
    EXPECT_TRUE(t[2] == ':' && t[5] == ':') << t;
    EXPECT_TRUE(std::all_of(t.begin(), t.end(), [](char c) {
        return c == ':' || std::isdigit(static_cast<unsigned char>(c));
    })) << t;
    EXPECT_TRUE(two(0) < 24 && two(3) < 60 && two(6) < 60) << t;
}

TEST_F(PlaysTest, TakebackMarksItsPlayOnlyWhenItTakesTheStatBack) {
    stat(6, 'v');
    set("txtfgm_5", ""); // the refusal test cannot read it: an alert, and nothing taken back
    game.takeback();
    EXPECT_TRUE(game.plays()[0].counted);
    set("txtfgm_5", "0");
    game.takeback();
    EXPECT_FALSE(game.plays()[0].counted);
    EXPECT_EQ(txt("txtfga_5"), "0");
}

TEST_F(PlaysTest, APersonalFoulGivenWarnsFromTheNewPlayersThirdFoul) {
    stat(5, 'm', Quarter::Second);
    stat(5, 'm', Quarter::Second);
    stat(8, 'm', Quarter::Third);
    stat(8, 'h', Quarter::Third);
    stat(8, 'm', Quarter::Third);
    dialogs.shown.clear();
    // The scorer picked the wrong guard: both of player 8's fouls were player 5's.
    ASSERT_TRUE(game.givePlays({2, 3, 4}, 5));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "The player has 3");
    EXPECT_EQ(dialogs.shown[1].text, "The player has 4");
    EXPECT_EQ(dialogs.shown[1].title, "Foul trouble");
    EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
    EXPECT_EQ(txt("txtpf_4"), "4");
    EXPECT_EQ(txt("txtreb_4"), "1");
    EXPECT_EQ(txt("txtpf_7"), "0");
    EXPECT_EQ(txt("txt3rdpf"), "2");
    EXPECT_EQ(txt("txtpftot"), "4");
    EXPECT_TRUE(game.inFoulTrouble(4));
    EXPECT_EQ(game.plays()[2].fromPlayer, 8);

    // Given back to the player it was recorded for: no longer "from" anyone, and no box.
    dialogs.shown.clear();
    ASSERT_TRUE(game.givePlays({4}, 8));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(game.plays()[4].fromPlayer, 0);
    EXPECT_EQ(txt("txtpf_4"), "3");
}

TEST_F(PlaysTest, AForgottenQuarterSwitchIsMendedInOneStep) {
    stat(3, 'c', Quarter::First);
    stat(4, 'f', Quarter::First);
    // The second quarter began here, but its button was not clicked.
    stat(3, 'v', Quarter::First);
    stat(4, 'd', Quarter::First);
    stat(9, 'e', Quarter::First);
    ASSERT_TRUE(game.movePlays({4, 2, 3}, Quarter::Second));
    EXPECT_EQ(txt("txt1stfgper"), "100.00%");
    EXPECT_EQ(txt("txt1st3ptper"), "0.00%"); // no attempts left on the line
    EXPECT_EQ(txt("txt1stpts"), "2");
    EXPECT_EQ(txt("txt2ndpts"), "4");
    EXPECT_EQ(txt("txttmptstot"), "6");
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(game.plays()[i].fromQuarter, Quarter::First);
    EXPECT_FALSE(game.plays()[1].fromQuarter);

    ASSERT_TRUE(game.movePlays({2}, Quarter::First));
    EXPECT_FALSE(game.plays()[2].fromQuarter);
    EXPECT_EQ(txt("txt1stfgper"), "50.00%");
}

// Removed and put back, a corrected play comes back as it was: moved, in the quarter it was
// moved to with its "from" quarter; given, on the player it was given to with its "from" player.
TEST_F(PlaysTest, ACorrectedPlayRemovedAndPutBackComesBackAsItWas) {
    stat(3, 'c', Quarter::First);
    stat(5, 'h', Quarter::First);
    ASSERT_TRUE(game.movePlays({0}, Quarter::Third));
    ASSERT_TRUE(game.givePlays({1}, 8));
    const Plays corrected = game.plays();
    const SheetCopy before = copySheet(game);
    ASSERT_TRUE(game.removePlays({0, 1}));
    EXPECT_EQ(txt("txt3rdpts"), "0");
    EXPECT_EQ(txt("txtreb_7"), "0");
    ASSERT_TRUE(game.putBackPlays({0, 1}));
    EXPECT_EQ(game.plays(), corrected);
    EXPECT_EQ(copySheet(game).fields, before.fields);
    EXPECT_EQ(txt("txt1stpts"), "0");
    EXPECT_EQ(txt("txt3rdpts"), "2");
    EXPECT_EQ(txt("txtreb_4"), "0");
    EXPECT_EQ(txt("txtreb_7"), "1");
}

TEST_F(PlaysTest, ACorrectionEmptiesTheTakebackMemoryAndIsAnUnsavedChange) {
    stat(3, 'h');
    stat(4, 'u');
    game.markSaved();
    ASSERT_TRUE(game.removePlays({0}));
    EXPECT_TRUE(game.hasUnsavedChanges());
    game.takeback(); // does nothing: the assist stays
    EXPECT_EQ(txt("txtast_3"), "1");
    EXPECT_TRUE(game.plays()[1].counted);

    // A play that no longer counts changes only in the list, and that is a change too.
    game.markSaved();
    const SheetCopy before = copySheet(game);
    ASSERT_TRUE(game.givePlays({0}, 5));
    EXPECT_EQ(copySheet(game), before);
    EXPECT_EQ(game.plays()[0].fromPlayer, 3);
    EXPECT_TRUE(game.hasUnsavedChanges());

    // What does not apply changes nothing: a play removed twice, given to its own player.
    game.markSaved();
    const int heard = playsHeard;
    EXPECT_FALSE(game.removePlays({0, 0}));
    EXPECT_FALSE(game.givePlays({1}, 4));
    EXPECT_FALSE(game.movePlays({1}, Quarter::First));
    EXPECT_FALSE(game.putBackPlays({1, 7, -1}));
    EXPECT_FALSE(game.hasUnsavedChanges());
    EXPECT_EQ(playsHeard, heard);
}

TEST_F(PlaysTest, ACorrectionNeverTakesACountBelowZero) {
    stat(3, 'c', Quarter::Second);
    stat(3, 'h', Quarter::Second);
    set("txt2ndfgm", "0"); // as a game file may hold it
    const SheetCopy before = copySheet(game);
    EXPECT_FALSE(game.removePlays({0}));
    EXPECT_FALSE(game.movePlays({0}, Quarter::Third));
    EXPECT_EQ(copySheet(game).fields, before.fields);
    EXPECT_TRUE(game.plays()[0].counted);
    // The others of the same step still go.
    ASSERT_TRUE(game.movePlays({0, 1}, Quarter::Third));
    EXPECT_EQ(game.plays()[0].quarter, Quarter::Second);
    EXPECT_EQ(txt("txt3rdreb"), "1");
    EXPECT_EQ(txt("txt2ndreb"), "0");
}
