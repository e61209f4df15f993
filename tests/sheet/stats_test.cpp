// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/game_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

using Selection = GameTest;
using CountingStats = GameTest;
using ShotStats = GameTest;
using FieldNames = GameTest;

TEST_F(FieldNames, FollowTheColumnAndQuarterRules) {
    EXPECT_EQ(fieldName({playerLine(0), FGM}), "txtfgm_0");
    EXPECT_EQ(fieldName({playerLine(11), PTS}), "txtpnts_11");
    EXPECT_EQ(fieldName({quarterLine(Quarter::Second), FGM}), "txt2ndfgm");
    EXPECT_EQ(fieldName({quarterLine(Quarter::Overtime), PTS}), "txtotpts");
    EXPECT_EQ(fieldName({quarterLine(Quarter::Third), TPPER}), "txt3rd3ptper");
    EXPECT_EQ(fieldName({kTotalsLine, FGM}), "txttotfgm");
    EXPECT_EQ(fieldName({kTotalsLine, FGPER}), "txtfgpertm");
    EXPECT_EQ(fieldName({kTotalsLine, TO}), "txttotot");
    EXPECT_EQ(fieldName({kTotalsLine, PTS}), "txttmptstot");
    std::set<std::string> names;
    for (int id = 0; id < kFields; ++id)
        names.insert(fieldName(Field::fromId(id)));
    EXPECT_EQ(names.size(), 306u);
}

TEST_F(Selection, LastNameClickedIsTheOnlySelectedOne) {
    game.selectPlayer(12);
    game.selectPlayer(3);
    EXPECT_EQ(game.playernum(), 3);
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(game.isSelected(n), n == 3) << n;
}

TEST_F(Selection, PlayerOneAndTwelveOwnTheFirstAndLastIndex) {
    stat(1, 'h');
    stat(12, 'u');
    EXPECT_EQ(txt("txtreb_0"), "1");
    EXPECT_EQ(txt("txtast_11"), "1");
}

TEST_F(CountingStats, ReboundGoesToPlayerQuarterAndTotalsThenEndsTheSelection) {
    stat(5, 'h', Quarter::Second);
    expectOthersZero({"txt2ndreb", "txtrebtot", "txtreb_4"});
    EXPECT_EQ(txt("txt2ndreb"), "1");
    EXPECT_EQ(txt("txtrebtot"), "1");
    EXPECT_EQ(txt("txtreb_4"), "1");
    EXPECT_EQ(game.tbletter(), "h");
    EXPECT_EQ(game.oldplayernum(), 5);
    EXPECT_EQ(game.playernum(), 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CountingStats, SecondClickWithoutANameIsRefusedAndChangesNothing) {
    stat(5, 'h');
    click('h');
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Please select player first.");
    EXPECT_EQ(dialogs.shown[0].title, "Error!");
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(txt("txtrebtot"), "1");
    // The takeback memory still holds the rebound that was recorded.
    EXPECT_EQ(game.tbletter(), "h");
    EXPECT_EQ(game.oldplayernum(), 5);
}

TEST_F(CountingStats, EachButtonCountsInItsOwnColumnAndQuarter) {
    const struct {
        char letter;
        const char* player;
        const char* quarter;
        const char* total;
    } rows[] = {
        {'h', "txtreb_6", "txtotreb", "txtrebtot"}, {'u', "txtast_6", "txtotast", "txtasttot"},
        {'n', "txtto_6", "txtotto", "txttotot"},    {'o', "txtstl_6", "txtotstl", "txtstltot"},
        {'k', "txtblk_6", "txtotblk", "txtblktot"}, {'t', "txttf_6", "txtottf", "txttftot"},
        {'m', "txtpf_6", "txtotpf", "txtpftot"},
    };
    for (const auto& r : rows) {
        FakeDialogs quiet;
        Game fresh{quiet};
        fresh.selectPlayer(7);
        fresh.record(statRow(r.letter), Quarter::Overtime);
        for (int id = 0; id < kFields; ++id) {
            const std::string name = fieldName(Field::fromId(id));
            const bool changed = name == r.player || name == r.quarter || name == r.total;
            EXPECT_EQ(fresh.text(Field::fromId(id)), changed ? "1" : "0")
                << r.letter << " " << name;
        }
    }
}

TEST_F(CountingStats, PersonalFoulKeepsThePlayerSelected) {
    stat(4, 'm');
    EXPECT_EQ(game.playernum(), 4);
    EXPECT_TRUE(game.isSelected(4));
    click('o');
    EXPECT_EQ(txt("txtstl_3"), "1");
    EXPECT_EQ(game.playernum(), 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CountingStats, FoulTroubleWarnsFromTheThirdFoulWithTheQuarterNotYetWritten) {
    std::vector<std::string> seen;
    dialogs.onShow = [&](const Shown& s) {
        EXPECT_EQ(s.title, "Foul trouble");
        EXPECT_EQ(s.icon, Icon::Critical);
        EXPECT_TRUE(game.inFoulTrouble(6));
        seen.push_back(txt("txtpftot") + "/" + txt("txtpf_6") + "/" + txt("txt3rdpf"));
    };
    for (int i = 0; i < 4; ++i)
        stat(7, 'm', Quarter::Third);
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<std::string>{"The player has 3", "The player has 4"}));
    // Total and player written, quarter not yet.
    EXPECT_EQ(seen, (std::vector<std::string>{"3/3/2", "4/4/3"}));
    EXPECT_EQ(txt("txt3rdpf"), "4");
}

TEST_F(CountingStats, FoulTroubleComparesTheGameCountNotTheQuarter) {
    stat(2, 'm', Quarter::First);
    stat(2, 'm', Quarter::Second);
    EXPECT_FALSE(game.inFoulTrouble(1));
    stat(2, 'm', Quarter::Third);
    EXPECT_TRUE(game.inFoulTrouble(1));
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"The player has 3"});
}

TEST_F(CountingStats, TechnicalFoulsNeverWarnNorTouchPersonalFouls) {
    for (int i = 0; i < 5; ++i)
        stat(7, 't');
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(txt("txttf_6"), "5");
    EXPECT_EQ(txt("txtpf_6"), "0");
    EXPECT_FALSE(game.inFoulTrouble(6));
}

TEST_F(CountingStats, TextInACountFieldCountsAsZero) {
    set("txtreb_2", "");
    set("txtrebtot", "lots");
    stat(3, 'h');
    EXPECT_EQ(txt("txtreb_2"), "1");
    EXPECT_EQ(txt("txtrebtot"), "1");
}

TEST_F(ShotStats, MadeFieldGoalOnAFreshSheet) {
    stat(3, 'c', Quarter::Second);
    EXPECT_EQ(txt("txtfgm_2"), "1");
    EXPECT_EQ(txt("txtfga_2"), "1");
    EXPECT_EQ(txt("txtfgper_2"), "100.00%");
    EXPECT_EQ(txt("txtpnts_2"), "2");
    EXPECT_EQ(txt("txt2ndfgm"), "1");
    EXPECT_EQ(txt("txt2ndfga"), "1");
    EXPECT_EQ(txt("txt2ndfgper"), "100.00%");
    EXPECT_EQ(txt("txt2ndpts"), "2");
    EXPECT_EQ(txt("txttotfgm"), "1");
    EXPECT_EQ(txt("txtfgatot"), "1");
    EXPECT_EQ(txt("txtfgpertm"), "100.00%");
    EXPECT_EQ(txt("txttmptstot"), "2");
    expectOthersZero({"txtfgm_2", "txtfga_2", "txtfgper_2", "txtpnts_2", "txt2ndfgm", "txt2ndfga",
                      "txt2ndfgper", "txt2ndpts", "txttotfgm", "txtfgatot", "txtfgpertm",
                      "txttmptstot"});
    EXPECT_EQ(game.playernum(), 0);
    EXPECT_EQ(game.tbletter(), "c");
    EXPECT_EQ(game.oldplayernum(), 3);

    stat(3, 'v', Quarter::Second);
    EXPECT_EQ(txt("txtfga_2"), "2");
    EXPECT_EQ(txt("txtfgper_2"), "50.00%");
    EXPECT_EQ(txt("txtfgm_2"), "1");
    EXPECT_EQ(txt("txtpnts_2"), "2");
    EXPECT_EQ(txt("txt2ndfga"), "2");
    EXPECT_EQ(txt("txt2ndfgper"), "50.00%");
    EXPECT_EQ(txt("txtfgatot"), "2");
    EXPECT_EQ(txt("txtfgpertm"), "50.00%");
    EXPECT_EQ(txt("txttmptstot"), "2");
}

TEST_F(ShotStats, ThreePointersAndFreeThrowsStayInTheirOwnGroups) {
    stat(1, 'e', Quarter::Fourth);
    stat(1, 'd', Quarter::Fourth);
    stat(1, 'r', Quarter::Fourth);
    stat(1, 'f', Quarter::Fourth);
    EXPECT_EQ(txt("txtfgm_0"), "0");
    EXPECT_EQ(txt("txtfga_0"), "0");
    EXPECT_EQ(txt("txt3ptm_0"), "1");
    EXPECT_EQ(txt("txt3pta_0"), "2");
    EXPECT_EQ(txt("txt3ptper_0"), "50.00%");
    EXPECT_EQ(txt("txtftm_0"), "1");
    EXPECT_EQ(txt("txtfta_0"), "2");
    EXPECT_EQ(txt("txtpnts_0"), "4");
    EXPECT_EQ(txt("txt4thpts"), "4");
    EXPECT_EQ(txt("txttmptstot"), "4");
    EXPECT_EQ(txt("txt4th3ptper"), "50.00%");
    EXPECT_EQ(txt("txtftpertm"), "50.00%");
    EXPECT_EQ(txt("txtfgper_0"), "0");
}

TEST_F(ShotStats, RefusedShotChangesNothingNotEvenTheTakebackMemory) {
    stat(3, 'c');
    click('v');
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Please select player first."});
    EXPECT_EQ(txt("txttotfgm"), "1");
    EXPECT_EQ(txt("txtfgatot"), "1");
    EXPECT_EQ(game.tbletter(), "c");
    EXPECT_EQ(game.oldplayernum(), 3);
}

TEST_F(ShotStats, EachQuarterCountsOnlyItsOwnShots) {
    stat(2, 'c', Quarter::First);
    stat(9, 'v', Quarter::Third);
    EXPECT_EQ(txt("txt1stfga"), "1");
    EXPECT_EQ(txt("txt3rdfga"), "1");
    EXPECT_EQ(txt("txt3rdfgper"), "0.00%");
    EXPECT_EQ(txt("txtfgatot"), "2");
    EXPECT_EQ(txt("txtfgpertm"), "50.00%");
}

TEST_F(ShotStats, TeamPercentagesRoundAsShown) {
    stat(1, 'c');
    for (int i = 0; i < 31; ++i)
        stat(2, 'v');
    EXPECT_EQ(txt("txtfgpertm"), "3.13%");
    set("txttotfgm", "2");
    set("txtfgatot", "31"); // the next make is the third of 32 attempts
    stat(1, 'c');
    EXPECT_EQ(txt("txtfgpertm"), "9.38%");
}

TEST_F(ShotStats, NegativeAttemptsGiveZeroPercent) {
    set("txtfga_5", "-2");
    stat(6, 'v');
    EXPECT_EQ(txt("txtfga_5"), "-1");
    EXPECT_EQ(txt("txtfgper_5"), "0.00%");
    set("txtfga_5", "-1");
    stat(6, 'v');
    EXPECT_EQ(txt("txtfga_5"), "0");
    EXPECT_EQ(txt("txtfgper_5"), "0.00%");
}

TEST_F(ShotStats, PercentUsesTheGivenSeparator) {
    game.setDecimalSeparator(",");
    stat(1, 'c');
    stat(1, 'v');
    stat(1, 'v');
    EXPECT_EQ(txt("txtfgper_0"), "33,33%");
}

namespace {
struct WriteLog : GameListener {
    std::vector<std::string> writes;
    void fieldChanged(Field f) override { writes.push_back(fieldName(f)); }
    void selectionChanged() override { writes.push_back("playernum"); }
    void nameChanged(int) override {}
};
} // namespace

TEST_F(ShotStats, MadeFreeThrowWritesQuarterThenTotalsThenPlayerThenTeamPercentage) {
    WriteLog log;
    game.setListener(&log);
    stat(2, 'd', Quarter::Fourth);
    EXPECT_EQ(log.writes, (std::vector<std::string>{
                              "playernum", "txt4thftm", "txt4thfta", "txt4thftper", "txt4thpts",
                              "txtftatot", "txtftmtot", "txttmptstot", "txtftm_1", "txtpnts_1",
                              "txtfta_1", "txtftper_1", "playernum", "txtftpertm"}));
    log.writes.clear();
    game.takeback();
    EXPECT_EQ(log.writes,
              (std::vector<std::string>{"txt4thftm", "txt4thfta", "txt4thftper", "txt4thpts",
                                        "txtftatot", "txtftmtot", "txttmptstot", "txtftm_1",
                                        "txtpnts_1", "txtfta_1", "txtftper_1", "txtftpertm"}));
    game.setListener(nullptr);
}

TEST_F(CountingStats, TakebackWritesEachLetterInItsOwnOrder) {
    WriteLog log;
    game.setListener(&log);
    const std::pair<char, std::vector<std::string>> cases[] = {
        {'h', {"txt1streb", "txtreb_0", "txtrebtot"}},
        {'n', {"txt1stto", "txttotot", "txtto_0"}},
        {'m', {"txtpftot", "txtpf_0", "txt1stpf"}},
    };
    for (const auto& [letter, expected] : cases) {
        stat(1, letter);
        log.writes.clear();
        game.takeback();
        EXPECT_EQ(log.writes, expected) << letter;
    }
    game.setListener(nullptr);
}
