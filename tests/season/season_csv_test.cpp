// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The season's CSV read back by Python's csv module, as a spreadsheet would read it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "season/season.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {
namespace {

// The rows as read_csv.py reads them, after its "bom" or "no-bom" line.
std::vector<std::vector<std::string>> readWithPython(const std::string& path, bool& bom) {
    const std::string command = "python3 '" TALLIVANT_READ_CSV "' '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << output;
    std::istringstream lines(output);
    std::string line;
    std::getline(lines, line);
    bom = line == "bom";
    std::vector<std::vector<std::string>> rows;
    while (std::getline(lines, line)) {
        std::vector<std::string>& row = rows.emplace_back();
        std::istringstream hexFields(line.substr(line.find(':') + 1));
        for (std::string hex; std::getline(hexFields, hex, ',');) {
            std::string& field = row.emplace_back();
            for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
                field += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        }
    }
    return rows;
}

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
    bool bom = false;
    const auto rows = readWithPython(path, bom);
    EXPECT_TRUE(bom);
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

} // namespace
} // namespace tallivant::testing
