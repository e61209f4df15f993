// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/compose.h"
#include "report/place.h"
#include "report_sheet.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

class ReportText : public GameTest {
protected:
    std::vector<std::string> render() const { return renderText(composeReport(game)); }

    void expectLines(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected) const {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(actual[i], expected[i]) << "printed line " << i + 1;
    }
};

TEST_F(ReportText, FreshSheetWithNoRosterStartsEveryLineWithItsValues) {
    const std::vector<std::string> lines = render();
    expectLines(lines, expectedReport(game));
    ASSERT_EQ(lines.size(), 45u);
    // The heading, a few lines written out by hand.
    EXPECT_EQ(lines[0], "  Name              FGM    FGA    FG%         FTM    FTA    FT%      "
                        "3PM    3PA    3P%                       Tallivant");
    EXPECT_EQ(lines[2], "                    0      0      0           0      0      0         "
                        "0      0      0");
    EXPECT_EQ(lines[20], "  Game Totals       0      0      0           0      0      0         "
                         "0      0      0");
    EXPECT_EQ(lines[23], "");
    EXPECT_EQ(lines[24], "  Name              REB    AST    TO      STL     BLK       PF       TF"
                         "          Points");
    EXPECT_EQ(lines[26], "                    0      0      0     0       0       0       0    "
                         "   0");
    EXPECT_EQ(lines[44], "  Game Totals       0      0      0     0       0       0       0    "
                         "  0");
}

TEST_F(ReportText, EveryFieldIsCopiedToItsOwnLineAndColumn) {
    fillDistinct(game);
    nameEveryone(game);
    game.setName(12, "Lu Ann Smith-Jones");
    expectLines(render(), expectedReport(game));
}

TEST_F(ReportText, PercentagesAndNegativeCountsPrintExactlyAsTheSheetShowsThem) {
    set("txtfgper_0", "66.67%");
    set("txtfgm_0", "-2");
    set("txtpnts_0", "-4");
    set("txttmptstot", "-100");
    set("txt3ptpertm", "100.00%");
    set("txtftper_5", "0,50%"); // a percent text written with the user's decimal comma
    game.setName(1, "Ann");
    const std::vector<std::string> lines = render();
    expectLines(lines, expectedReport(game));
    EXPECT_EQ(lines[2].substr(0, 40), "  Ann               -2     0      66.67%");
    EXPECT_EQ(lines[44].substr(71), "-100");
    EXPECT_EQ(lines[20].substr(84), "100.00%");
}

// Names print as their buttons show them: the Alt-letter's "&" dropped, "&&" as one "&", in
// both tables; the sheet keeps the name as typed.
TEST_F(ReportText, NamesPrintWithoutTheAltLettersMark) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"&Zed", "Zed"}, {"R&&B", "R&B"}, {"4 Ann &Lee", "4 Ann Lee"}, {"&&&4 Bo", "&4 Bo"}};
    for (std::size_t i = 0; i < cases.size(); ++i)
        game.setName(static_cast<int>(i) + 1, cases[i].first);
    const std::vector<std::string> lines = render();
    ASSERT_EQ(lines.size(), 45u);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string printed = "  " + cases[i].second + " ";
        EXPECT_EQ(lines[2 + i].substr(0, printed.size()), printed) << cases[i].first;
        EXPECT_EQ(lines[26 + i].substr(0, printed.size()), printed) << cases[i].first;
    }
    EXPECT_EQ(game.name(2), "R&&B");
}

TEST_F(ReportText, NameOfEighteenCharactersStillFitsBeforeTheValues) {
    game.setName(4, std::string(18, 'N'));
    const std::vector<std::string> lines = render();
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[5].substr(0, 21), "  " + std::string(18, 'N') + "0");
    EXPECT_EQ(lines[29].substr(0, 21), "  " + std::string(18, 'N') + "0");
}

TEST_F(ReportText, LongerNamePushesTheRestOfItsLineDownInBothTables) {
    fillDistinct(game);
    const std::string longName = "Maximilian Oberhauser";           // 21 characters
    const std::vector<std::string> expected = expectedReport(game); // player 2 unnamed
    game.setName(2, longName);
    const std::vector<std::string> lines = render();
    ASSERT_EQ(lines.size(), 47u);
    // Player 2's lines: the name alone, then the values from column 21 on the next line.
    EXPECT_EQ(lines[3], "  " + longName);
    EXPECT_EQ(lines[4], std::string(20, ' ') + expected[3].substr(20));
    EXPECT_EQ(lines[28], "  " + longName);
    EXPECT_EQ(lines[29], std::string(20, ' ') + expected[27].substr(20));
    // Everything else is as without the name, one line later after each push.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i], expected[i]) << i;
    for (int i = 4; i < 27; ++i)
        EXPECT_EQ(lines[i + 1], expected[i]) << i;
    for (int i = 28; i < 45; ++i)
        EXPECT_EQ(lines[i + 2], expected[i]) << i;
}

TEST_F(ReportText, NamesAreMeasuredInCharactersNotBytes) {
    game.setName(1, "Zoë Müller-Ångström"); // 19 characters, more bytes
    game.setName(2, "Zoë Müller-Ångströ");  // 18 characters
    const std::vector<std::string> lines = render();
    ASSERT_EQ(lines.size(), 47u); // player 1 is pushed in both tables
    EXPECT_EQ(lines[2], "  Zoë Müller-Ångström");
    EXPECT_EQ(lines[3].substr(0, 21), std::string(20, ' ') + "0");
    EXPECT_EQ(lines[4].substr(0, 25), "  Zoë Müller-Ångströ0");
}

TEST_F(ReportText, OverlongFieldTextPushesTheNextValueDown) {
    // A sheet read from a game file can hold any text in a field.
    set("txtfga_6", "123456789"); // column 28, seven columns before FG% at 35
    set("txtfgper_6", "x%");
    const std::vector<std::string> lines = render();
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines[8], std::string(20, ' ') + "0      123456789");
    EXPECT_EQ(lines[9], std::string(34, ' ') + "x%          0      0      0         0      0"
                                               "      0");
}

TEST_F(ReportText, FieldTextEndingOnTheNextColumnDoesNotPushIt) {
    set("txtfga_6", "1234567"); // ends exactly where FG% begins
    const std::vector<std::string> lines = render();
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[8].substr(20, 15), "0      12345670");
}

TEST_F(ReportText, EmptyFieldTextsLeaveTheirColumnsBlank) {
    set("txtfgm_0", "");
    set("txtpnts_0", "");
    const std::vector<std::string> lines = render();
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[2].substr(0, 28), std::string(27, ' ') + "0");
    EXPECT_EQ(lines[26], std::string(20, ' ') + "0      0      0     0       0       0       0");
}

OpponentPlay opponentSet(Quarter quarter, int points) {
    static int number = 0;
    return {++number, "19:00:00", quarter, OpponentWhat::Set, points, true, std::nullopt};
}

// The heading above the tables: its text, on the first line at the names' column, an empty line
// after it, and the tables unchanged below.
TEST_F(ReportText, DetailsPutTheScoreDateAndPlaceAboveTheTables) {
    struct Case {
        const char* what;
        GameDetails details;
        std::vector<std::pair<std::string, std::string>> ours; // field, text
        OpponentPlays theirs;
        std::vector<std::string> heading;
    };
    Rules halves;
    halves.halves = true;
    const OpponentPlay uncounted = {9, "19:00:00", Quarter::Overtime, OpponentWhat::Three,
                                    0, false,      std::nullopt};
    const std::vector<Case> cases = {
        {"four quarters",
         {"Eagles", "Hawks", "2026-12-09", "North Gym", {}},
         {{"txt1stpts", "14"},
          {"txt2ndpts", "16"},
          {"txt3rdpts", "12"},
          {"txt4thpts", "16"},
          {"txttmptstot", "58"}},
         {opponentSet(Quarter::First, 12), opponentSet(Quarter::Second, 10),
          opponentSet(Quarter::Third, 18), opponentSet(Quarter::Fourth, 12)},
         {"Eagles 58 : 52 Hawks   (14-12, 16-10, 12-18, 16-12)   2026-12-09, North Gym"}},
        {"halves, and a date alone with no names",
         {"", "", "2026-12-09", "", halves},
         {{"txt1stpts", "30"}, {"txt2ndpts", "28"}, {"txttmptstot", "58"}},
         {opponentSet(Quarter::First, 22), opponentSet(Quarter::Second, 30)},
         {"Us 58 : 52 Opponent   (1st half 30-22, 2nd half 28-30)   2026-12-09"}},
        {"overtime the opponent scored in",
         {"Eagles", "Hawks", "", "North Gym", {}},
         {},
         {opponentSet(Quarter::Overtime, 3)},
         {"Eagles 0 : 3 Hawks   (0-0, 0-0, 0-0, 0-0, OT 0-3)   North Gym"}},
        {"overtime with only a foul of ours",
         {"Eagles", "", "", "", {}},
         {{"txtotpf", "1"}},
         {},
         {"Eagles 0 : 0 Opponent   (0-0, 0-0, 0-0, 0-0, OT 0-0)"}},
        {"overtime with a play taken back and an empty line: none",
         {"", "Hawks", "", "", {}},
         {{"txtotfgper", "0.00%"}},
         {uncounted},
         {"Us 0 : 0 Hawks   (0-0, 0-0, 0-0, 0-0)"}},
        {"long names push the date and place to a second line",
         {std::string(40, 'E'), std::string(40, 'H'), "2026-12-09", std::string(60, 'P'), {}},
         {},
         {},
         {std::string(40, 'E') + " 0 : 0 " + std::string(40, 'H') + "   (0-0, 0-0, 0-0, 0-0)",
          "2026-12-09, " + std::string(60, 'P')}},
        {"a line longer than the tables is cut",
         {std::string(70, 'E'), std::string(70, 'H'), "", "", {}},
         {},
         {},
         {std::string(70, 'E') + " 0 : 0 " + std::string(39, 'H') + "\xE2\x80\xA6",
          "(0-0, 0-0, 0-0, 0-0)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game fresh(dialogs);
        for (const auto& [field, text] : c.ours)
            fresh.setText(fieldByName(field), text);
        fresh.setMatchup({c.details, c.theirs});
        const std::vector<std::string> lines = renderText(composeReport(fresh));
        std::vector<std::string> tables = expectedReport(fresh);
        ASSERT_EQ(tables[23], "");
        tables.erase(tables.begin() + 23); // the tables a line closer under a heading
        ASSERT_EQ(lines.size(), c.heading.size() + 1 + tables.size());
        for (std::size_t i = 0; i < c.heading.size(); ++i) {
            EXPECT_EQ(lines[i], "  " + c.heading[i]);
            EXPECT_LE(characterCount(lines[i]), 2 + kHeadingCharacters);
        }
        EXPECT_EQ(lines[c.heading.size()], "");
        const std::vector<std::string> below(lines.begin() + c.heading.size() + 1, lines.end());
        EXPECT_EQ(below, tables);
    }
}

// The opponent's points or the rules alone are no details: the report is as it always was.
TEST_F(ReportText, OpponentPlaysOrRulesWithoutDetailsLeaveTheReportAsItWas) {
    fillDistinct(game);
    const std::vector<ReportLine> before = composeReport(game);
    GameDetails rulesOnly;
    rulesOnly.rules.halves = true;
    game.setMatchup({rulesOnly, {opponentSet(Quarter::First, 12)}});
    EXPECT_EQ(composeReport(game), before);
    EXPECT_TRUE(composeHeading(game).empty());
}

TEST(ReportPlacement, ProportionalWidthsDecideWhetherALineIsPassed) {
    // 'W' is two columns wide, everything else one; a column is 10 units.
    const MeasureText width = [](std::string_view text) {
        double w = 0;
        for (char c : text)
            w += c == 'W' ? 20 : 10;
        return w;
    };
    const std::vector<ReportLine> report = {
        {{3, "WWWW"}, {11, "a"}, {kRightAfterPrevious, "b"}}, // ends at column 11 exactly
        {{3, "WWWWW"}, {11, "c"}},                            // passes column 11
        {},
        {{5, "d"}, {2, "e"}}, // a column to the left always passes
    };
    const std::vector<PlacedLine> placed = placeReport(report, 10, width);
    ASSERT_EQ(placed.size(), 6u);
    ASSERT_EQ(placed[0].size(), 3u);
    EXPECT_EQ(placed[0][1].x, 100);
    EXPECT_EQ(placed[0][2].x, 110);
    ASSERT_EQ(placed[1].size(), 1u);
    ASSERT_EQ(placed[2].size(), 1u);
    EXPECT_EQ(placed[2][0].text, "c");
    EXPECT_EQ(placed[2][0].x, 100);
    EXPECT_TRUE(placed[3].empty());
    ASSERT_EQ(placed[4].size(), 1u);
    EXPECT_EQ(placed[4][0].x, 40);
    ASSERT_EQ(placed[5].size(), 1u);
    EXPECT_EQ(placed[5][0].text, "e");
    EXPECT_EQ(placed[5][0].x, 10);
}

TEST(ReportPlacement, SumsOfFractionalWidthsEndingOnAColumnStayOnTheLine) {
    // Ten texts of a tenth of a column each end on column 2, give or take rounding.
    std::vector<ReportLine> report = {{}};
    for (int i = 0; i < 10; ++i)
        report[0].push_back({kRightAfterPrevious, "x"});
    report[0].push_back({2, "y"});
    const std::vector<PlacedLine> placed =
        placeReport(report, 7.3, [](std::string_view) { return 0.73; });
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].back().text, "y");
}

// The report's own words come from ReportWords, which never sees a name: a player or a side named
// like one of the words prints as typed.
TEST(ReportLanguage, OnlyTheReportsOwnWordsAreTranslated) {
    FakeDialogs dialogs;
    Game game(dialogs);
    game.setName(1, "Name");
    game.setName(2, "Points");
    Rules halves;
    halves.halves = true;
    game.setMatchup({{"", "Game Totals", "", "", halves}, {}});
    const ReportWords bracketed = [](const char* english) {
        return "<" + std::string(english) + ">";
    };
    const std::vector<std::string> lines = renderText(composeReport(game, bracketed));
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines[0], "  <Us> 0 : 0 Game Totals   (<1st half> 0-0, <2nd half> 0-0)");
    EXPECT_EQ(lines[2].substr(0, 10), "  <Name>  ");
    EXPECT_EQ(lines[4].substr(0, 8), "  Name  ");
    EXPECT_EQ(lines[5].substr(0, 10), "  Points  ");
    EXPECT_EQ(lines[16].substr(0, 20), "  <1st Qtr Totals>  ");
    EXPECT_EQ(lines[20].substr(0, 19), "  <Overtime Totals>");
    EXPECT_EQ(lines[22].substr(0, 17), "  <Game Totals>  ");
    EXPECT_EQ(lines[25], "  <Name>            REB    AST    TO      STL     BLK       PF       TF"
                         "          <Points>");
    // The English words given back are the report as it always was.
    const ReportWords english = [](const char* text) { return std::string(text); };
    EXPECT_EQ(renderText(composeReport(game, english)), renderText(composeReport(game)));
}

} // namespace
