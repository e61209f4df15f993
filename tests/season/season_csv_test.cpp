// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The season's CSV read back by Python's csv module, as a spreadsheet would read it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "formats/csv.h"
#include "season/season.h"
#include "sheet/numbers.h"
#include "support/csv_read_back.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {
namespace {

void put(GameContents& game, int line, Col col, int value) {
    game.fields[Field{line, col}.id()] = std::to_string(value);
}

// One of one in the first game and one of two in the second make 66.67%, not the 75.00% of the
// games' percentages averaged.
TEST(SeasonCsv, ReadsBackWithHeaderPlayersByPointsPerGameAndTheTeamLast) {
    GameContents first, second;
    first.names[0] = "5 Lee, Ann";
    put(first, 0, FGM, 1), put(first, 0, FGA, 1), put(first, 0, PTS, 2);
    first.names[1] = "R&&B";
    put(first, 1, PTS, 10);
    put(first, kTotalsLine, PTS, 12);
    second.names[3] = "5 Lee, &Ann ";
    put(second, 3, FGM, 1), put(second, 3, FGA, 2), put(second, 3, PTS, 2);
    second.names[0] = "Mo \"Big\" Ba";
    put(second, 0, PTS, 3);
    put(second, kTotalsLine, PTS, 5);

    const ScratchFolder folder;
    const std::string path = folder / "season.csv";
    const std::string csv = seasonCsv(addUpSeason({first, second}));
    writeBytes(path, csv);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), std::count(csv.begin(), csv.end(), '\r'));
    const ReadBack back = readWithPython(path);
    const auto& rows = back.rows;
    EXPECT_TRUE(back.byteOrderMark);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], std::vector<std::string>(kSeasonHeaders.begin(), kSeasonHeaders.end()));
    EXPECT_EQ(rows[1][0], "R&B");
    EXPECT_EQ(rows[2][0], "Mo \"Big\" Ba");
    ASSERT_EQ(rows[3].size(), std::size_t(kSeasonColumns));
    EXPECT_EQ(rows[3][0], "5 Lee, Ann");
    EXPECT_EQ(rows[3][1], "2");
    EXPECT_EQ(rows[3][seasonColumnOf(BoxCol::TwoPPer)], "66.67");
    EXPECT_EQ(rows[3][seasonColumnOf(BoxCol::FGPer)], "66.67");
    EXPECT_EQ(rows[3][seasonColumnOf(BoxCol::ThreePPer)], "");
    EXPECT_EQ(rows[3][seasonColumnOf(PPG)], "2.0");
    EXPECT_EQ(rows[4][0], kTeamName);
    EXPECT_EQ(rows[4][1], "2");
    EXPECT_EQ(rows[4][seasonColumnOf(BoxCol::PTS)], "17");
}

// The season trims the blanks off a name, which turns " =8+9" into a formula: it stays text.
TEST(SeasonCsv, NameThatTrimsToAFormulaStaysText) {
    GameContents game;
    game.names[0] = " =8+9";
    put(game, 0, PTS, 2);
    const std::string csv = seasonCsv(addUpSeason({game}));
    EXPECT_NE(csv.find("\r\n'=8+9,"), std::string::npos) << csv;
}

// The shooting columns of the game's CSV and of the season's, read back as a spreadsheet reads
// them, for one player's line: the sheet's field goals are the two-pointers, FGM, FGA and FG%
// count threes too, and a percentage without attempts is an empty cell (on the screen a dash).
TEST(OutsideColumns, GameAndSeasonCsvShowTwosThreesAndAllFieldGoals) {
    struct Case {
        const char* what;
        std::array<int, 6> sheet;          // FGM, FGA, TPM, TPA, FTM, FTA as the sheet holds them
        std::array<std::string, 12> cells; // 2PM … 3P%, FGM, FGA, FG%, FTM, FTA, FT%
    };
    const std::vector<Case> cases = {
        {"one made three only",
         {0, 0, 1, 1, 0, 0},
         {"0", "0", "", "1", "1", "100.00", "1", "1", "100.00", "0", "0", ""}},
        {"no attempts",
         {0, 0, 0, 0, 0, 0},
         {"0", "0", "", "0", "0", "", "0", "0", "", "0", "0", ""}},
        {"threes missed, twos made",
         {3, 4, 0, 2, 1, 3},
         {"3", "4", "75.00", "0", "2", "0.00", "3", "6", "50.00", "1", "3", "33.33"}},
        {"halves round away from zero",
         {1, 16, 0, 16, 0, 0},
         {"1", "16", "6.25", "0", "16", "0.00", "1", "32", "3.13", "0", "0", ""}},
        {"two of three",
         {1, 2, 1, 1, 0, 0},
         {"1", "2", "50.00", "1", "1", "100.00", "2", "3", "66.67", "0", "0", ""}},
    };
    const ScratchFolder folder;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        GameContents game;
        game.names[0] = "4 &Ann";
        const std::array<Col, 6> sheetCols = {FGM, FGA, TPM, TPA, FTM, FTA};
        for (int i = 0; i < 6; ++i)
            put(game, 0, sheetCols[i], k.sheet[i]);
        for (const Col made : {FGM, TPM, FTM})
            game.fields[Field{0, made + 2}.id()] =
                percentText(readLenient(game.fields[Field{0, made}.id()]),
                            readLenient(game.fields[Field{0, made + 1}.id()]));
        put(game, 0, PTS, 2 * k.sheet[0] + 3 * k.sheet[2] + k.sheet[4]);

        writeBytes(folder / "box.csv", boxScoreCsv(game));
        const Season season = addUpSeason({game});
        writeBytes(folder / "season.csv", seasonCsv(season));
        const auto box = readWithPython(folder / "box.csv").rows;
        const auto seasonRows = readWithPython(folder / "season.csv").rows;
        ASSERT_EQ(box.size(), 1u + kLines);
        ASSERT_EQ(seasonRows.size(), 3u); // the header, Ann, the team
        ASSERT_EQ(box[1].size(), 1u + kBoxColumns);
        ASSERT_EQ(seasonRows[1].size(), std::size_t(kSeasonColumns));
        EXPECT_EQ(box[1][0], "4 Ann");
        EXPECT_EQ(seasonRows[1][0], "4 Ann");
        const auto shown = seasonRowTexts(season.players.at(0), ".", kNoAttemptsShown);
        for (int c = 0; c < 12; ++c) {
            const std::string_view header = kBoxColumnTable[c].header;
            EXPECT_EQ(box[0][1 + c], header);
            EXPECT_EQ(seasonRows[0][2 + c], header);
            EXPECT_EQ(box[1][1 + c], k.cells[c]) << header;
            EXPECT_EQ(seasonRows[1][2 + c], k.cells[c]) << header;
            EXPECT_EQ(shown[2 + c], k.cells[c].empty() ? kNoAttemptsShown : k.cells[c]) << header;
        }
        // Nothing after the shooting columns moved: rebounds follow FT%, points are last.
        EXPECT_EQ(box[0][13], "REB");
        EXPECT_EQ(box[1][20], std::to_string(2 * k.sheet[0] + 3 * k.sheet[2] + k.sheet[4]));
        EXPECT_EQ(seasonRows[1][seasonColumnOf(BoxCol::PTS)], box[1][20]);
    }
}

} // namespace
} // namespace tallivant::testing
