// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The season's CSV read back by Python's csv module, as a spreadsheet would read it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "season/season.h"
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
    EXPECT_EQ(rows[3][seasonColumnOf(FGPER)], "66.67");
    EXPECT_EQ(rows[3][seasonColumnOf(PPG)], "2.0");
    EXPECT_EQ(rows[4][0], kTeamName);
    EXPECT_EQ(rows[4][1], "2");
    EXPECT_EQ(rows[4][seasonColumnOf(PTS)], "17");
}

// The season trims the blanks off a name, which turns " =8+9" into a formula: it stays text.
TEST(SeasonCsv, NameThatTrimsToAFormulaStaysText) {
    GameContents game;
    game.names[0] = " =8+9";
    put(game, 0, PTS, 2);
    const std::string csv = seasonCsv(addUpSeason({game}));
    EXPECT_NE(csv.find("\r\n'=8+9,"), std::string::npos) << csv;
}

} // namespace
} // namespace tallivant::testing
