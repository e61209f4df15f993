// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "support/game_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

using Takeback = GameTest;

TEST_F(Takeback, MadeFieldGoalLeavesTheSheetAsBefore) {
    stat(3, 'c', Quarter::Second);
    game.takeback();
    for (const char* name : {"txtfgm_2", "txtfga_2", "txtpnts_2", "txt2ndfgm", "txt2ndfga",
                             "txt2ndpts", "txttotfgm", "txtfgatot", "txttmptstot"})
        EXPECT_EQ(txt(name), "0") << name;
    for (const char* name : {"txt2ndfgper", "txtfgper_2", "txtfgpertm"})
        EXPECT_EQ(txt(name), "0.00%") << name;
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Takeback, TakesTheStatFromTheQuarterItWasRecordedIn) {
    stat(3, 'c', Quarter::Second);
    stat(4, 'h', Quarter::Second);
    stat(3, 'c', Quarter::Second);
    game.takeback();
    EXPECT_EQ(txt("txt2ndfgm"), "1");
    EXPECT_EQ(txt("txt2ndfga"), "1");
    EXPECT_EQ(txt("txt2ndpts"), "2");
    EXPECT_EQ(txt("txt2ndfgper"), "100.00%");
    for (const char* name : {"txt1stfgm", "txt1stfga", "txt1stpts", "txt1stfgper"})
        EXPECT_EQ(txt(name), "0") << name;
}

TEST_F(Takeback, ASecondClickDoesNothingUntilTheNextStat) {
    stat(2, 'h');
    stat(2, 'h');
    game.takeback();
    game.takeback();
    EXPECT_EQ(txt("txtreb_1"), "1");
    EXPECT_EQ(txt("txtrebtot"), "1");
    EXPECT_EQ(txt("txt1streb"), "1");
    EXPECT_TRUE(dialogs.shown.empty());

    stat(2, 'd');
    game.takeback();
    game.takeback();
    EXPECT_EQ(txt("txtftm_1"), "0");
    EXPECT_EQ(txt("txtreb_1"), "1");
}

TEST_F(Takeback, BeforeAnyStatDoesNothing) {
    game.takeback();
    expectOthersZero({});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Takeback, ARefusedPressLeavesTheRecordedStatToTakeBack) {
    stat(3, 'c', Quarter::Second);
    click('u', Quarter::Third); // refused: no player
    click('e');                 // refused again
    game.takeback();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>(2, "Please select player first."));
    expectOthersZero({"txt2ndfgper", "txtfgper_2", "txtfgpertm"});
    EXPECT_EQ(txt("txtfgpertm"), "0.00%");
    // Taken back once: the memory is spent, and a second Takeback does nothing, silently.
    game.takeback();
    EXPECT_EQ(dialogs.shown.size(), 2u);
    expectOthersZero({"txt2ndfgper", "txtfgper_2", "txtfgpertm"});
}

TEST_F(Takeback, MissedFieldGoalOfAFreshPlayer) {
    stat(6, 'v');
    game.takeback();
    EXPECT_EQ(txt("txtfgm_5"), "0");
    EXPECT_EQ(txt("txtfga_5"), "0");
    EXPECT_EQ(txt("txtfgper_5"), "0.00%");
    EXPECT_EQ(txt("txtfgatot"), "0");
}

TEST_F(Takeback, MissAfterOneMakeLeavesOneOfOne) {
    stat(6, 'c');
    stat(6, 'v');
    game.takeback();
    EXPECT_EQ(txt("txtfgm_5"), "1");
    EXPECT_EQ(txt("txtfga_5"), "1");
    EXPECT_EQ(txt("txtfgper_5"), "100.00%");
    EXPECT_EQ(txt("txtfgpertm"), "100.00%");
}

TEST_F(Takeback, MissIsRefusedSilentlyOnALineOfOneMadeOfOne) {
    stat(6, 'v');
    set("txtfgm_5", "1"); // as a game file could leave it
    game.takeback();
    EXPECT_EQ(txt("txtfga_5"), "1");
    EXPECT_EQ(txt("txtfgatot"), "1");
    EXPECT_TRUE(dialogs.shown.empty());
    // The refusal keeps the memory.
    EXPECT_EQ(game.tbletter(), "v");
}

TEST_F(Takeback, MadeShotIsRefusedSilentlyWhenThePlayerHasNoMake) {
    stat(6, 'e');
    set("txt3ptm_5", "0");
    game.takeback();
    EXPECT_EQ(txt("txt3ptmtot"), "1");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Takeback, TextInThePlayersLineChangesNothingAndAlerts) {
    const struct {
        char letter;
        const char* field;
    } rows[] = {
        {'v', "txtfgm_5"}, {'f', "txtfta_5"}, {'r', "txt3ptm_5"}, {'c', "txtfgm_5"},
        {'h', "txtreb_5"}, {'u', "txtast_5"}, {'o', "txtstl_5"},
    };
    for (const auto& r : rows) {
        FakeDialogs d;
        Game g{d};
        g.selectPlayer(6);
        g.record(statRow(r.letter), Quarter::First);
        g.setText(fieldByName(r.field), "");
        std::array<std::string, kFields> before;
        for (int id = 0; id < kFields; ++id)
            before[id] = g.text(Field::fromId(id));
        g.takeback();
        for (int id = 0; id < kFields; ++id)
            EXPECT_EQ(g.text(Field::fromId(id)), before[id]) << r.letter;
        ASSERT_EQ(d.shown.size(), 1u) << r.letter;
        EXPECT_EQ(d.shown[0].text, "The last stat could not be taken back: the player's line "
                                   "holds a value that is not a number.");
        EXPECT_EQ(d.shown[0].title, "Alert!");
        EXPECT_EQ(g.tbletter(), std::string(1, r.letter));
    }
}

TEST_F(Takeback, CountingStatsReadOtherFieldsLeniently) {
    stat(6, 'n');
    set("txtto_5", "junk");
    game.takeback();
    EXPECT_EQ(txt("txtto_5"), "-1");
    EXPECT_EQ(txt("txttotot"), "0");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Takeback, ThreePointerEndsTheSelection) {
    stat(9, 'e');
    game.selectPlayer(9);
    game.takeback();
    EXPECT_EQ(game.playernum(), 0);
    EXPECT_FALSE(game.isSelected(9));
    click('h');
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Please select player first."});

    stat(9, 'r');
    game.selectPlayer(4);
    game.takeback();
    EXPECT_EQ(game.playernum(), 0);
}

TEST_F(Takeback, OtherLettersKeepTheSelection) {
    stat(9, 'c');
    game.selectPlayer(4);
    game.takeback();
    EXPECT_EQ(game.playernum(), 4);
}

TEST_F(Takeback, PersonalFoulBelowThreeClearsFoulTrouble) {
    for (int i = 0; i < 3; ++i)
        stat(7, 'm', Quarter::Fourth);
    EXPECT_TRUE(game.inFoulTrouble(6));
    game.takeback();
    EXPECT_EQ(txt("txtpf_6"), "2");
    EXPECT_EQ(txt("txt4thpf"), "2");
    EXPECT_EQ(txt("txtpftot"), "2");
    EXPECT_FALSE(game.inFoulTrouble(6));
}

TEST_F(Takeback, FirstQuarterThreePointerIsOnlyTakenDownAsFarAsItHoldsTheShot) {
    stat(5, 'e', Quarter::First);
    set("txt1st3ptm", "0");
    set("txt1stpts", "2");
    game.takeback();
    EXPECT_EQ(txt("txt1st3ptm"), "0");
    EXPECT_EQ(txt("txt1st3pta"), "1");
    EXPECT_EQ(txt("txt1st3ptper"), "0.00%");
    EXPECT_EQ(txt("txt1stpts"), "2");
    EXPECT_EQ(txt("txt3ptmtot"), "0");
    EXPECT_EQ(txt("txt3pta_4"), "0");
}

TEST_F(Takeback, NegativeAttemptsAreDividedBy) {
    stat(5, 'c', Quarter::Third);
    set("txt3rdfgm", "0");
    set("txt3rdfga", "0");
    set("txt3rdpts", "0");
    game.takeback();
    EXPECT_EQ(txt("txt3rdfgm"), "-1");
    EXPECT_EQ(txt("txt3rdfga"), "-1");
    EXPECT_EQ(txt("txt3rdfgper"), "100.00%");
    EXPECT_EQ(txt("txt3rdpts"), "-2");
}

TEST_F(Takeback, ForgottenMemoryMakesTakebackDoNothing) {
    stat(5, 'h');
    game.forgetTakeback();
    game.takeback();
    EXPECT_EQ(txt("txtreb_4"), "1");
    EXPECT_TRUE(dialogs.shown.empty());
}
