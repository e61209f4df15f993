// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The box score and the plays as CSV, written as File|Export CSV writes them and read back by
// Python's csv module, as a spreadsheet would read them.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "formats/box_columns.h"
#include "formats/csv.h"
#include "session/exports.h"
#include "sheet/numbers.h"
#include "support/csv_read_back.h"
#include "support/full_game.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {
namespace {

// Every row ends with CR LF, and no CR or LF stands alone.
bool rowsEndWithCrLf(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
    }
    return bytes.ends_with("\r\n");
}

// The sheet's text as a spreadsheet number: a percentage without its sign, with a point.
std::string asNumber(std::string text) {
    if (text.ends_with('%')) text.pop_back();
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

class CsvExport : public GameTest {
protected:
    ScratchFolder folder;
};

// The cell a spreadsheet should read for box score column `c` of a line of the sheet: the
// sheet's own count or percentage (two-point field goals, threes, free throws, the rest),
// and FGM, FGA, FG% of two and three points together; no attempts, no percentage.
std::string expectedCell(const Game& sheet, int line, const BoxColumnInfo& c) {
    const auto count = [&](Col col) { return std::stoi(sheet.text(Field{line, col})); };
    const int made = count(c.made) + (c.withThrees ? count(c.made == FGM ? TPM : TPA) : 0);
    if (!c.percent) return std::to_string(made);
    const int attempted = count(c.attempted) + (c.withThrees ? count(TPA) : 0);
    if (attempted == 0) return "";
    if (!c.withThrees) return asNumber(sheet.text(Field{line, c.attempted + 1}));
    return asNumber(percentText(made, attempted)); // rounded as the sheet rounds
}

// A whole game, once with the point and once with the comma as the sheet's decimal separator:
// every value read back is the sheet's, or for all field goals the sum of its two-point and
// three-point columns; the names come back whole (comma, double quote, accents), without their
// Alt-letter mark, and the team lines follow the players.
TEST_F(CsvExport, BoxScoreReadsBackAsTheSheetWithEveryName) {
    const std::vector<std::string> header = {"Player", "2PM", "2PA", "2P%", "3PM", "3PA", "3P%",
                                             "FGM",    "FGA", "FG%", "FTM", "FTA", "FT%", "REB",
                                             "AST",    "TO",  "STL", "BLK", "PF",  "TF",  "PTS"};
    const std::vector<std::string> names = {
        "4 Zoë Åberg", "5 Lee, Ann", "7 Mo \"Big\" Ba", "Zed",    "10 O’Neil", "R&B", "",
        "12 Ünal",     "#  name",    "3 Kim",           "21 Sam", "9 Ash"};
    const std::vector<std::string> teamLines = {"1st Quarter", "2nd Quarter", "3rd Quarter",
                                                "4th Quarter", "Overtime",    "Game Totals"};
    for (const char* separator : {".", ","}) {
        SCOPED_TRACE(std::string("decimal separator ") + separator);
        FakeDialogs quiet;
        Game sheet(quiet);
        sheet.setDecimalSeparator(separator);
        sheet.zeroSheet();
        playFullGame(sheet);
        // Player 2 missed his one three: two made ones more give 2 of 3.
        for (int i = 0; i < 2; ++i) {
            sheet.selectPlayer(2);
            sheet.record(statRow('e'), Quarter::Second);
        }
        ASSERT_EQ(sheet.text(fieldByName("txt3ptper_1")), std::string("66") + separator + "67%");

        const std::string path = folder / (std::string("box") + separator + "csv");
        ASSERT_FALSE(writeOutputs(boxScoreOutputs(sheet, path), {}));
        const std::string bytes = readBytes(path);
        EXPECT_TRUE(rowsEndWithCrLf(bytes));

        const ReadBack back = readWithPython(path);
        EXPECT_TRUE(back.byteOrderMark);
        ASSERT_EQ(back.rows.size(), 1u + kLines);
        EXPECT_EQ(back.rows[0], header);
        int emptyPercentages = 0;
        for (int line = 0; line < kLines; ++line) {
            const std::vector<std::string>& row = back.rows[line + 1];
            ASSERT_EQ(row.size(), 1u + kBoxColumns) << "line " << line;
            EXPECT_EQ(row[0], line < kPlayers ? names[line] : teamLines[line - kPlayers]);
            for (int c = 0; c < kBoxColumns; ++c) {
                EXPECT_EQ(row[c + 1], expectedCell(sheet, line, kBoxColumnTable[c]))
                    << header[c + 1] << " of line " << line;
                emptyPercentages += row[c + 1].empty();
            }
        }
        EXPECT_GT(emptyPercentages, 0);      // the full game leaves some shooters without attempts
        EXPECT_EQ(back.rows[2][6], "66.67"); // player 2, 3P%
        EXPECT_EQ(back.rows[kLines][20], asNumber(sheet.text(fieldByName("txttmptstot"))));
    }
}

// A game with details: after the box score, an empty row and the score by period, our points
// the sheet's quarter lines, theirs what their plays add up to, the names formula-guarded. The
// opponent's plays without details add nothing.
TEST_F(CsvExport, ScoreByPeriodFollowsTheBoxScoreOfAGameWithDetails) {
    using Rows = std::vector<std::vector<std::string>>;
    Rules halves;
    halves.halves = true;
    const auto points = [](int number, Quarter q, OpponentWhat what, int figure = 0) {
        return OpponentPlay{number, "19:00:00", q, what, figure, true, std::nullopt};
    };
    const OpponentPlays theirs = {points(1, Quarter::First, OpponentWhat::Set, 12),
                                  points(2, Quarter::First, OpponentWhat::Three),
                                  points(3, Quarter::Second, OpponentWhat::Two),
                                  points(4, Quarter::Overtime, OpponentWhat::One)};
    const std::vector<std::pair<std::string, std::string>> ours = {
        {"txt1stpts", "20"}, {"txt2ndpts", "18"}, {"txtotpts", "2"}, {"txttmptstot", "40"}};
    const struct {
        const char* what;
        GameDetails details;
        std::vector<std::pair<std::string, std::string>> more; // fields beside `ours`
        Rows score;
    } cases[] = {
        {"quarters and overtime",
         {"=Eagles", "Hawks, Inc.", "2026-12-09", "", {}},
         {{"txt3rdpts", "0"}},
         {{"Score", "'=Eagles", "Hawks, Inc."},
          {"1st", "20", "15"},
          {"2nd", "18", "2"},
          {"3rd", "0", "0"},
          {"4th", "0", "0"},
          {"OT", "2", "1"},
          {"Final", "40", "18"}}},
        {"halves",
         {"", "", "", "North Gym", halves},
         {},
         {{"Score", "Us", "Opponent"},
          {"1st half", "20", "15"},
          {"2nd half", "18", "2"},
          {"OT", "2", "1"},
          {"Final", "40", "18"}}},
        {"halves with a rebound on the 4th quarter's line",
         {"", "", "", "North Gym", halves},
         {{"txt4threb", "1"}},
         {{"Score", "Us", "Opponent"},
          {"1st half", "20", "15"},
          {"2nd half", "18", "2"},
          {"4th", "0", "0"},
          {"OT", "2", "1"},
          {"Final", "40", "18"}}},
        {"no details", {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeDialogs quiet;
        Game sheet(quiet);
        sheet.zeroSheet();
        for (const auto& fields : {ours, c.more})
            for (const auto& [field, text] : fields)
                sheet.setText(fieldByName(field), text);
        sheet.setMatchup({c.details, theirs});
        const std::string path = folder / "score.csv";
        ASSERT_FALSE(writeOutputs(boxScoreOutputs(sheet, path), {}));
        EXPECT_TRUE(rowsEndWithCrLf(readBytes(path)));
        const Rows rows = readWithPython(path).rows;
        ASSERT_GE(rows.size(), 1u + kLines);
        EXPECT_EQ(rows[kLines][0], "Game Totals");
        Rows expected = c.score;
        if (!expected.empty()) expected.insert(expected.begin(), std::vector<std::string>{});
        EXPECT_EQ(Rows(rows.begin() + 1 + kLines, rows.end()), expected);
    }
}

// The plays beside the box score, oldest first, in the Plays window's words: a play taken back,
// one given to another player and one moved to overtime say so in their notes.
TEST_F(CsvExport, PlaysReadBackOldestFirstWithTheirCorrections) {
    game.zeroSheet();
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, kFullGameNames[n - 1]);
    game.setTimeOfDay([n = std::make_shared<int>(0)] { return fullGameTime((*n)++); });
    stat(1, 'c', Quarter::First);
    stat(2, 'd', Quarter::Second);
    stat(3, 'e', Quarter::Overtime);
    game.takeback();
    stat(4, 'h', Quarter::Third);
    ASSERT_TRUE(game.givePlays({3}, 5));
    stat(6, 'm', Quarter::Fourth);
    ASSERT_TRUE(game.movePlays({4}, Quarter::Overtime));
    stat(7, 't', Quarter::First);

    const std::string path = folder / "lincoln.csv";
    ASSERT_FALSE(writeOutputs(boxScoreOutputs(game, path), {}));
    const std::string plays = folder / "lincoln-plays.csv";
    EXPECT_TRUE(rowsEndWithCrLf(readBytes(plays)));
    const ReadBack back = readWithPython(plays);
    EXPECT_TRUE(back.byteOrderMark);
    const std::vector<std::vector<std::string>> expected = {
        {"#", "Time", "Quarter", "Player", "Stat", "Note"},
        {"1", "19:00:00", "1st", "4 Zoë Åberg", "Field goal made", ""},
        {"2", "19:00:07", "2nd", "5 Lee, Ann", "Free throw made", ""},
        {"3", "19:00:14", "OT", "7 Mo \"Big\" Ba", "Three-pointer made", "taken back"},
        {"4", "19:00:21", "3rd", "10 O’Neil", "Rebound", "from Zed"},
        {"5", "19:00:28", "OT", "R&B", "Personal foul", "from 4th"},
        {"6", "19:00:35", "1st", "#7", "Technical foul", ""},
    };
    EXPECT_EQ(back.rows, expected);
}

// What a spreadsheet would run as a formula gets a leading apostrophe, spaces before it or not;
// a number keeps its sign, its exponent, its percent sign and its decimal comma.
TEST(CsvField, FormulaTextsGetAnApostropheAndNumbersStayNumbers) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"-2+3+cmd|' /C calc'!A0", "'-2+3+cmd|' /C calc'!A0"},
        {"+1 555", "'+1 555"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"\r=1", "\"'\r=1\""},
        {"  =8+9", "'  =8+9"},
        {"=1,2", "\"'=1,2\""},
        {"-", "'-"},
        {"-3", "-3"},
        {"+3", "+3"},
        {"-1e+20", "-1e+20"},
        {"-45.5%", "-45.5%"},
        {"-45,5%", "\"-45,5%\""},
        {" -0.00% ", " -0.00% "},
        {"a=b", "a=b"},
        {"", ""},
    };
    for (const auto& [value, written] : cases)
        EXPECT_EQ(csvField(value), written) << value;
}

// Each writer's text cells go through that rule: names in the box score and the plays, and a
// field of a game file that holds no number; a field that holds one stays a number.
TEST_F(CsvExport, NamesAndFieldsThatReadAsFormulasStayText) {
    GameContents c;
    c.names[0] = " =8+9";
    c.fields[Field{0, FGM}.id()] = "=3*3";
    c.fields[Field{0, REB}.id()] = "-3";
    c.fields[Field{0, FGA}.id()] = "2";
    c.fields[Field{0, FGPER}.id()] = "-45,5%";
    writeBytes(folder / "box.csv", boxScoreCsv(c));
    const ReadBack box = readWithPython(folder / "box.csv");
    ASSERT_EQ(box.rows.size(), 1u + kLines);
    const auto cell = [&box](BoxCol col) { return box.rows[1][1 + static_cast<int>(col)]; };
    EXPECT_EQ(box.rows[1][0], "' =8+9");
    EXPECT_EQ(cell(BoxCol::TwoPM), "'=3*3");
    EXPECT_EQ(cell(BoxCol::REB), "-3");
    EXPECT_EQ(cell(BoxCol::TwoPPer), "-45.50");

    Play play;
    play.number = 1, play.time = "19:00:00", play.player = 1, play.letter = 'c';
    writeBytes(folder / "plays.csv", playsCsv({play}, c.names));
    const ReadBack plays = readWithPython(folder / "plays.csv");
    ASSERT_EQ(plays.rows.size(), 2u);
    EXPECT_EQ(plays.rows[1][3], "' =8+9");
}

// A plays file of another game must not stay beside the new box score as if it were this one's.
TEST_F(CsvExport, GameWithoutPlaysWritesAPlaysFileWithItsHeaderAlone) {
    game.zeroSheet();
    writeBytes(folder / "box-plays.csv", "1,19:00:00,1st,4 Al,Rebound,\r\n");
    ASSERT_FALSE(writeOutputs(boxScoreOutputs(game, folder / "box.csv"), {}));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"box-plays.csv", "box.csv"}));
    EXPECT_EQ(readWithPython(folder / "box.csv").rows.size(), 1u + kLines);
    EXPECT_EQ(readWithPython(folder / "box-plays.csv").rows.size(), 1u);
}

} // namespace
} // namespace tallivant::testing
