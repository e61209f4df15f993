// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seasons of random games, saved as File|Save saves them among files that do not open, read
// back and checked against a plain recount of what the games hold.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <utility>

#include "formats/saved_game.h"
#include "season/season.h"
#include "sheet/numbers.h"
#include "support/scratch_folder.h"
#include "system/load_game.h"

namespace tallivant::testing {
namespace {

// A player as the season lists them, and the names a scorer typed for them in one game or
// another.
struct Typed {
    std::string listed;
    std::vector<std::string> spellings;
};
const std::vector<Typed> kTypedPlayers = {
    {"4 Ann Lee", {"4 Ann Lee", " 4 Ann Lee\t", "&4 Ann Lee", "4 A&nn Lee  "}},
    {"4 Ann Le", {"4 Ann Le"}}, // a name one letter off is someone else
    {"R&B", {"R&&B", "\t&R&&B "}},
    {"5 Lee, Ann", {"5 Lee, Ann", "5 Lee, &Ann"}},
    {"12 Zoë Åberg", {"12 Zoë Åberg"}},
    {"3 Kim", {"3 Kim"}},
    {"21 Sam", {" 21 Sam"}}};
// Lines nobody was named on: an unused line without a stat, "#N" with one.
const std::vector<std::string> kUnnamed = {"", "#  name", "  ", "&", " #  name"};

constexpr std::array<Col, 14> kCounts = {FGM, FGA, FTM, FTA, TPM, TPA, REB,
                                         AST, TO,  STL, BLK, PF,  TF,  PTS};
constexpr std::array<Col, 3> kPercents = {FGPER, FTPER, TPPER};

using Counts = std::array<int, kColumns>;
struct Expected {
    int games = 0;
    Counts totals{};
};
struct MadeGame {
    GameContents contents;
    std::array<std::string, kPlayers> listedAs; // empty for a line nobody was named on
    std::array<Counts, kLines> counts{};
};

// A game whose totals line is its players' plus the team's own rebounds and turnovers.
MadeGame randomGame(std::mt19937& random) {
    const auto below = [&random](std::size_t n) { return static_cast<int>(random() % n); };
    MadeGame game;
    for (int p = 0; p < kPlayers; ++p) {
        if (below(4) != 0) {
            const Typed& who = kTypedPlayers[below(kTypedPlayers.size())];
            game.listedAs[p] = who.listed;
            game.contents.names[p] = who.spellings[below(who.spellings.size())];
        } else {
            game.contents.names[p] = kUnnamed[below(kUnnamed.size())];
        }
        if (below(3) == 0) continue;
        for (const Col col : kCounts)
            game.counts[p][col] = below(2) * below(5);
        for (const Col made : {FGM, FTM, TPM})
            game.counts[p][made + 1] += game.counts[p][made];
    }
    Counts& totals = game.counts[kTotalsLine];
    for (int p = 0; p < kPlayers; ++p)
        for (const Col col : kCounts)
            totals[col] += game.counts[p][col];
    totals[REB] += below(3);
    totals[TO] += below(2);
    game.counts[quarterLine(Quarter::First)] = totals;
    for (int line = 0; line < kLines; ++line) {
        const Counts& c = game.counts[line];
        for (const Col col : kCounts)
            game.contents.fields[Field{line, col}.id()] =
                c[col] == 0 && below(4) == 0 ? "" : std::to_string(c[col]);
        for (int i = 0; i < 3; ++i)
            game.contents.fields[Field{line, kPercents[i]}.id()] =
                percentText(c[kPercents[i] - 2], c[kPercents[i] - 1]);
    }
    return game;
}

bool holdsAStat(const Counts& counts) {
    for (const Col col : kCounts)
        if (counts[col] != 0) return true;
    return false;
}

void recount(const MadeGame& game, std::map<std::string, Expected>& players, Expected& team) {
    std::set<std::string> played;
    for (int p = 0; p < kPlayers; ++p) {
        const bool stat = holdsAStat(game.counts[p]);
        std::string name = game.listedAs[p];
        if (name.empty() && stat) name = "#" + std::to_string(p + 1);
        if (name.empty()) continue;
        Expected& e = players[name];
        if (stat && played.insert(name).second) ++e.games;
        for (const Col col : kCounts)
            e.totals[col] += game.counts[p][col];
    }
    ++team.games;
    for (const Col col : kCounts)
        team.totals[col] += game.counts[kTotalsLine][col];
}

void expectLine(const SeasonLine& line, const Expected& e) {
    SCOPED_TRACE(line.player);
    EXPECT_EQ(line.games, e.games);
    for (const Col col : kCounts)
        EXPECT_EQ(line.totals[col], e.totals[col]) << kSeasonHeaders[seasonColumnOf(col)];
    for (const Col col : kPercents) {
        const int made = e.totals[col - 2], attempted = e.totals[col - 1];
        EXPECT_EQ(line.totals[col], 0);
        EXPECT_DOUBLE_EQ(line.percentage(col), attempted ? 100.0 * made / attempted : 0);
    }
    EXPECT_DOUBLE_EQ(line.average(PPG), e.games ? double(e.totals[PTS]) / e.games : 0);
}

TEST(Season, AddsUpRandomGameFilesAsTheirPlainRecount) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const ScratchFolder folder;
        std::vector<std::string> paths;
        std::vector<std::pair<std::string, std::string>> leftOut;
        std::map<std::string, Expected> players;
        Expected team;
        const int files = static_cast<int>(random() % 14);
        for (int g = 0; g < files; ++g) {
            const MadeGame game = randomGame(random);
            const std::string name = "game " + std::to_string(g) + ".txt", path = folder / name;
            paths.push_back(path);
            const std::string text = gameFileText(game.contents);
            const int records = 1 + static_cast<int>(random() % (kRecords - 1));
            switch (random() % 10) {
            case 0:
                leftOut.emplace_back(path, std::get<std::string>(loadGameFile(path)));
                break;
            case 1:
                writeBytes(path, "Dear coach,\r\nthe bus leaves at six.\r\n");
                leftOut.emplace_back(path, reasonText({NotAGameFile::NoHeader}));
                break;
            case 2: {
                std::size_t end = 0;
                for (int r = 0; r < records; ++r)
                    end = text.find("\r\n", end) + 2;
                writeBytes(path, text.substr(0, end));
                leftOut.emplace_back(path, reasonText({NotAGameFile::TooFewValues,
                                                       std::size_t(records) * kRecordValues}));
                break;
            }
            default:
                writeBytes(path, random() % 2
                                     ? encodeGameFile(game.contents)
                                     : *encodeSavedGame(game.contents, Quarter::Third, {}));
                recount(game, players, team);
                if (random() % 5 == 0) {
                    const std::string again = random() % 2 ? path : folder / ("./" + name);
                    paths.push_back(again);
                    leftOut.emplace_back(again, kAlreadyInSeason);
                }
            }
        }

        const Season season = readSeason(paths);
        ASSERT_EQ(season.players.size(), players.size());
        for (std::size_t i = 0; i < season.players.size(); ++i) {
            const SeasonLine& line = season.players[i];
            const auto expected = players.find(line.player);
            ASSERT_NE(expected, players.end()) << line.player;
            expectLine(line, expected->second);
            if (i == 0) continue;
            const SeasonLine& before = season.players[i - 1];
            EXPECT_TRUE(before.average(PPG) > line.average(PPG) ||
                        (before.average(PPG) == line.average(PPG) && before.player < line.player))
                << before.player << " before " << line.player;
        }
        EXPECT_EQ(season.team.player, kTeamName);
        expectLine(season.team, team);
        ASSERT_EQ(season.leftOut.size(), leftOut.size());
        for (std::size_t i = 0; i < leftOut.size(); ++i) {
            EXPECT_EQ(season.leftOut[i].path, leftOut[i].first);
            EXPECT_EQ(season.leftOut[i].reason, leftOut[i].second);
        }
    }
}

// A season's texts round as the sheet does, half away from zero: 1 of 32 is 3.13 as on the
// sheet, and 1 point in 4 games is 0.3 a game.
TEST(Season, RowsRoundHalvesAwayFromZeroAsTheSheetDoes) {
    SeasonLine line;
    line.player = "4 Ann Lee";
    line.games = 4;
    line.totals[FGM] = 1;
    line.totals[FGA] = 32;
    line.totals[PTS] = 1;
    line.totals[REB] = 5; // 1.25 a game
    const auto row = seasonRowTexts(line, ",");
    EXPECT_EQ(row[seasonColumnOf(FGPER)], "3,13");
    EXPECT_EQ(row[seasonColumnOf(FTPER)], "0,00");
    EXPECT_EQ(row[seasonColumnOf(PPG)], "0,3");
    EXPECT_EQ(row[seasonColumnOf(RPG)], "1,3");
    EXPECT_EQ(row[seasonColumnOf(FGA)], "32");
}

} // namespace
} // namespace tallivant::testing
