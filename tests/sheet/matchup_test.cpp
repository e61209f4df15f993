// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <map>

#include "support/game_fixture.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

using Q = Quarter;
using F = FreeThrows;

// Each preset against the cases its rule book names: the foul that starts the penalty, how the
// overtime line counts, the halves.
TEST(RulesTable, EachPresetGivesShotsFromTheFoulItsRuleBookNames) {
    struct Case {
        RulesPreset preset;
        std::array<int, kQuarters> fouls; // team fouls by quarter line
        Quarter on;
        int count;
        FreeThrows next;
    };
    const std::vector<Case> cases = {
        // FIBA: the 5th team foul of a quarter gives two shots, so after four the next does.
        {RulesPreset::Fiba, {3, 0, 0, 0, 0}, Q::First, 3, F::None},
        {RulesPreset::Fiba, {4, 0, 0, 0, 0}, Q::First, 4, F::Two},
        {RulesPreset::Fiba, {4, 0, 0, 0, 0}, Q::Second, 0, F::None},
        // Overtime as part of the 4th quarter.
        {RulesPreset::Fiba, {0, 0, 0, 3, 1}, Q::Overtime, 4, F::Two},
        {RulesPreset::Fiba, {0, 0, 0, 2, 1}, Q::Overtime, 3, F::None},
        // NBA: the 5th of a quarter; overtime on its own, from its 4th.
        {RulesPreset::Nba, {0, 0, 0, 4, 0}, Q::Fourth, 4, F::Two},
        {RulesPreset::Nba, {0, 0, 0, 4, 2}, Q::Overtime, 2, F::None},
        {RulesPreset::Nba, {0, 0, 0, 0, 3}, Q::Overtime, 3, F::Two},
        // NCAA men: halves; one-and-one from the 7th, two shots from the 10th.
        {RulesPreset::NcaaMen, {5, 0, 0, 0, 0}, Q::First, 5, F::None},
        {RulesPreset::NcaaMen, {6, 0, 0, 0, 0}, Q::First, 6, F::OneAndOne},
        {RulesPreset::NcaaMen, {0, 8, 0, 0, 0}, Q::Second, 8, F::OneAndOne},
        {RulesPreset::NcaaMen, {0, 9, 0, 0, 0}, Q::Second, 9, F::Two},
        // Overtime counts with the 2nd half.
        {RulesPreset::NcaaMen, {0, 9, 0, 0, 0}, Q::Overtime, 9, F::Two},
        {RulesPreset::NcaaMen, {0, 5, 0, 0, 1}, Q::Overtime, 6, F::OneAndOne},
        // NCAA women: a team in the penalty in the 4th stays in it in overtime; one that was not
        // starts overtime at 0.
        {RulesPreset::NcaaWomen, {0, 0, 0, 4, 0}, Q::Overtime, 0, F::Two},
        {RulesPreset::NcaaWomen, {0, 0, 0, 3, 0}, Q::Overtime, 0, F::None},
        {RulesPreset::NcaaWomen, {0, 0, 0, 3, 4}, Q::Overtime, 4, F::Two},
        // US high school: as FIBA for the team fouls.
        {RulesPreset::Nfhs, {0, 0, 4, 0, 0}, Q::Third, 4, F::Two},
        {RulesPreset::Nfhs, {0, 0, 0, 4, 0}, Q::Overtime, 4, F::Two},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(rulesName(c.preset)) + " in " +
                     periodName(c.on, presetRules(c.preset)));
        const TeamFouls got = teamFouls(c.fouls, c.on, presetRules(c.preset));
        EXPECT_EQ(got.count, c.count);
        EXPECT_EQ(got.next, c.next);
    }
}

TEST(RulesTable, FoulOutsAndNamesFollowThePreset) {
    struct Case {
        RulesPreset preset;
        int personal, technical;
        bool out;
        const char* reason;
    };
    for (const Case& c : std::vector<Case>{
             {RulesPreset::Fiba, 5, 0, true, "FIBA: 5 fouls"},
             {RulesPreset::Fiba, 4, 1, true, "FIBA: 5 fouls"},
             {RulesPreset::Fiba, 4, 0, false, ""},
             {RulesPreset::Nba, 5, 1, false, ""},
             {RulesPreset::Nba, 6, 0, true, "NBA: 6 fouls"},
             {RulesPreset::Nba, 0, 2, true, "2 technical fouls"},
             {RulesPreset::Nfhs, 3, 2, true, "US high school: 5 fouls"},
             {RulesPreset::NcaaWomen, 1, 2, true, "2 technical fouls"},
         }) {
        SCOPED_TRACE(std::string(rulesName(c.preset)) + " " + std::to_string(c.personal) + "+" +
                     std::to_string(c.technical));
        const Rules rules = presetRules(c.preset);
        EXPECT_EQ(isFouledOut(c.personal, c.technical, rules), c.out);
        if (c.out) {
            EXPECT_EQ(foulOutReason(c.personal, c.technical, rules), c.reason);
        }
    }
    for (int i = 0; i < kRulesPresets; ++i)
        EXPECT_TRUE(rulesValid(presetRules(static_cast<RulesPreset>(i))));
    Rules changed = presetRules(RulesPreset::Nba);
    changed.foulOut = 5;
    EXPECT_FALSE(holdsPresetNumbers(changed));
    EXPECT_EQ(periodName(Q::Second, presetRules(RulesPreset::NcaaMen)), "2nd half");
    EXPECT_EQ(periodShort(Q::Third, presetRules(RulesPreset::Fiba)), "Q3");
}

using OpponentSide = GameTest;

// The opponent's points by quarter: each key adds, a set figure replaces what came before it in
// that quarter, corrections move and remove, and ours never mix in.
TEST_F(OpponentSide, PointsAndFoulsCountByQuarterThroughCorrections) {
    game.recordOpponent(OpponentWhat::Two, Q::First);
    game.recordOpponent(OpponentWhat::Three, Q::First);
    game.recordOpponent(OpponentWhat::Foul, Q::First);
    game.recordOpponent(OpponentWhat::One, Q::Second);
    stat(3, 'c');
    EXPECT_EQ(opponentPointsByQuarter(game.matchup().opponent), (std::array{5, 1, 0, 0, 0}));
    game.recordOpponent(OpponentWhat::Set, Q::First, 14);
    game.recordOpponent(OpponentWhat::Two, Q::First);
    EXPECT_EQ(opponentPointsByQuarter(game.matchup().opponent), (std::array{16, 1, 0, 0, 0}));
    EXPECT_EQ(opponentWords(game.matchup().opponent[4]), "Points set to 14");
    // The set figure taken back: the quarter counts its plays again.
    EXPECT_TRUE(game.removeOpponentPlays({4}));
    EXPECT_EQ(opponentPointsByQuarter(game.matchup().opponent), (std::array{7, 1, 0, 0, 0}));
    EXPECT_TRUE(game.moveOpponentPlays({2}, Q::Third));
    EXPECT_EQ(opponentFoulsByQuarter(game.matchup().opponent), (std::array{0, 0, 1, 0, 0}));
    EXPECT_EQ(game.matchup().opponent[2].fromQuarter, Q::First);
    EXPECT_TRUE(game.putBackOpponentPlays({4}));
    EXPECT_FALSE(game.putBackOpponentPlays({4}));
    EXPECT_EQ(txt("txttmptstot"), "2");
    EXPECT_TRUE(game.hasUnsavedChanges());
}

// Ctrl+Z undoes the newest entry of either side: the opponent's plays since our last stat,
// newest first, then our last stat, then nothing.
TEST_F(OpponentSide, UndoTakesTheNewestEntryOfEitherSide) {
    stat(3, 'h');
    game.recordOpponent(OpponentWhat::Two, Q::First);
    stat(4, 'c');
    game.recordOpponent(OpponentWhat::Three, Q::First);
    game.recordOpponent(OpponentWhat::Foul, Q::First);
    std::vector<std::string> undone;
    for (int i = 0; i < 5; ++i) {
        const Game::UndoneEntry u = game.undoNewest();
        switch (u.kind) {
        case Game::Undone::Opponent:
            undone.push_back(opponentWords(u.opponent));
            break;
        case Game::Undone::Ours:
            undone.push_back(std::string(statWords(u.ours.letter)));
            break;
        case Game::Undone::Nothing:
            undone.push_back("-");
            break;
        }
    }
    EXPECT_EQ(undone,
              (std::vector<std::string>{"Team foul", "3 points", "Field goal made", "-", "-"}));
    // The opponent's 2 points came before our field goal: they stay, as does the rebound.
    EXPECT_EQ(opponentPointsByQuarter(game.matchup().opponent)[0], 2);
    EXPECT_EQ(txt("txtreb_2"), "1");
    EXPECT_EQ(txt("txttotfgm"), "0");
}

// At the foul that puts a player out, the foul-trouble box says so below its usual text; a later
// foul does not say it again, and a technical puts a player out without any box.
TEST_F(OpponentSide, TheFoulThatPutsAPlayerOutSaysSoUnderTheRulesChosen) {
    for (int i = 0; i < 5; ++i)
        stat(6, 'm');
    GameDetails nba;
    nba.rules = presetRules(RulesPreset::Nba);
    for (int i = 0; i < 6; ++i)
        stat(7, 'm');
    ASSERT_EQ(dialogs.shown.size(), 3u + 4u);
    EXPECT_EQ(dialogs.shown[2].text, "The player has 5\nFouled out (FIBA: 5 fouls)");
    EXPECT_TRUE(game.isFouledOut(6));
    // Player 7 is out under FIBA at 5; under NBA only the sixth puts him out.
    EXPECT_EQ(dialogs.shown[5].text, "The player has 5\nFouled out (FIBA: 5 fouls)");
    game.setDetails(nba);
    EXPECT_FALSE(game.isFouledOut(6));
    stat(6, 'm');
    EXPECT_EQ(dialogs.shown.back().text, "The player has 6\nFouled out (NBA: 6 fouls)");
    stat(6, 'm');
    EXPECT_EQ(dialogs.shown.back().text, "The player has 7");
    const std::size_t boxes = dialogs.shown.size();
    stat(9, 't');
    stat(9, 't');
    EXPECT_TRUE(game.isFouledOut(9));
    EXPECT_EQ(dialogs.shown.size(), boxes);
}

// Given a language, the game's own boxes show in it: each text translated whole, then its data
// filled in (a name holding a marker stays as it is); the notes' parts translate one by one and
// give the English note that files hold when joined untranslated.
TEST_F(OpponentSide, BoxesAndNotesAreTranslatedWholeThenFilled) {
    const std::map<std::string, std::string, std::less<>> german = {
        {"Please select player first.", "Bitte zuerst einen Spieler wählen."},
        {"Error!", "Fehler!"},
        {"Foul trouble", "Foulprobleme"},
        {"The player has %1", "%1 Fouls hat der Spieler"},
        {"Fouled out (%1)", "Ausgeschieden (%1)"},
        {"%1: %2 fouls", "%2 Fouls nach %1"},
        {"%1 technical fouls", "%1 technische Fouls"},
        {"Custom", "Eigene"},
    };
    game.setTranslate([&german](std::string_view english) {
        const auto at = german.find(english);
        return at == german.end() ? std::string(english) : at->second;
    });
    game.deselect();
    click('c');
    GameDetails custom;
    custom.rules = presetRules(RulesPreset::Custom);
    custom.rules.technicalsToFoulOut = false;
    game.setDetails(custom);
    for (const char letter : {'t', 'm', 'm'})
        stat(5, letter);
    for (const char letter : {'t', 'm', 'm', 'm', 'm', 'm'})
        stat(4, letter);
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[0].text, "Bitte zuerst einen Spieler wählen.");
    EXPECT_EQ(dialogs.shown[0].title, "Fehler!");
    EXPECT_EQ(dialogs.shown[1].text, "3 Fouls hat der Spieler");
    EXPECT_EQ(dialogs.shown[1].title, "Foulprobleme");
    EXPECT_EQ(dialogs.shown[3].text,
              "5 Fouls hat der Spieler\nAusgeschieden (5 Fouls nach Eigene)");
    // A technical and a foul given to player 5 put him out on two technicals.
    EXPECT_TRUE(game.givePlays({3, 8}, 5));
    EXPECT_EQ(dialogs.shown.back().text,
              "3 Fouls hat der Spieler\nAusgeschieden (2 technische Fouls)");

    Play play = game.plays()[1];
    play.counted = false;
    play.fromPlayer = 5;
    play.fromQuarter = Q::Fourth;
    const NoteParts parts = playNoteParts(play, {"", "", "", "", "50%2 &Ann"});
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1].fill, "50%2 Ann");
    EXPECT_FALSE(parts[1].fillFromCore);
    EXPECT_EQ(parts[2].fill, "4th");
    EXPECT_TRUE(parts[2].fillFromCore);
    EXPECT_EQ(noteText(parts), "taken back, from 50%2 Ann, from 4th");
    OpponentPlay theirs;
    theirs.what = OpponentWhat::Set;
    theirs.figure = 14;
    theirs.fromQuarter = Q::First;
    EXPECT_EQ(opponentWordsText(theirs.what), std::string_view("Points set to %1"));
    EXPECT_EQ(opponentNote(theirs), "from 1st");
    EXPECT_EQ(spokenLine(playerLine(2)), "Player 3");
    EXPECT_EQ(spokenLineText(kTotalsLine), std::string_view("Game totals"));
}

} // namespace
