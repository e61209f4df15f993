// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seasons of random games, saved as File|Save saves them among files that do not open, read
// back and checked against a plain recount of what the games hold.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <utility>

#include "formats/game_file.h"
#include "formats/saved_game.h"
#include "season/season.h"
#include "sheet/numbers.h"
#include "support/fake_dialogs.h"
#include "support/scratch_folder.h"
#include "support/stat_cycle.h"
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
        EXPECT_EQ(line.totals[col], e.totals[col]) << kColumnTable[col].spoken;
    // Two-point field goals, threes, all field goals, free throws: made, attempted, percentage.
    const std::array<std::array<int, 2>, 4> shooting = {{
        {e.totals[FGM], e.totals[FGA]},
        {e.totals[TPM], e.totals[TPA]},
        {e.totals[FGM] + e.totals[TPM], e.totals[FGA] + e.totals[TPA]},
        {e.totals[FTM], e.totals[FTA]},
    }};
    for (int i = 0; i < 4; ++i) {
        const auto percent = static_cast<BoxCol>(3 * i + 2);
        const auto [made, attempted] = shooting[i];
        EXPECT_EQ(line.total(static_cast<BoxCol>(3 * i)), made) << kSeasonHeaders[2 + 3 * i];
        EXPECT_EQ(line.total(static_cast<BoxCol>(3 * i + 1)), attempted);
        if (attempted == 0)
            EXPECT_FALSE(line.percentage(percent)) << kSeasonHeaders[seasonColumnOf(percent)];
        else
            EXPECT_DOUBLE_EQ(line.percentage(percent).value_or(-1), 100.0 * made / attempted);
    }
    for (const Col col : kPercents)
        EXPECT_EQ(line.totals[col], 0);
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
// sheet, and 1 point in 4 games is 0.3 a game. No free throw tried: no percentage, as the
// caller shows it.
TEST(Season, RowsRoundHalvesAwayFromZeroAsTheSheetDoes) {
    SeasonLine line;
    line.player = "4 Ann Lee";
    line.games = 4;
    line.totals[FGM] = 1;
    line.totals[FGA] = 32;
    line.totals[TPA] = 8; // 1 of 40 field goals in all
    line.totals[PTS] = 1;
    line.totals[REB] = 5; // 1.25 a game
    const auto row = seasonRowTexts(line, ",", kNoAttemptsShown);
    EXPECT_EQ(row[seasonColumnOf(BoxCol::TwoPPer)], "3,13");
    EXPECT_EQ(row[seasonColumnOf(BoxCol::ThreePPer)], "0,00");
    EXPECT_EQ(row[seasonColumnOf(BoxCol::FGPer)], "2,50");
    EXPECT_EQ(row[seasonColumnOf(BoxCol::FTPer)], kNoAttemptsShown);
    EXPECT_EQ(seasonRowTexts(line, ",")[seasonColumnOf(BoxCol::FTPer)], "");
    EXPECT_EQ(row[seasonColumnOf(PPG)], "0,3");
    EXPECT_EQ(row[seasonColumnOf(RPG)], "1,3");
    EXPECT_EQ(row[seasonColumnOf(BoxCol::TwoPA)], "32");
    EXPECT_EQ(row[seasonColumnOf(BoxCol::FGA)], "40");
}

void expectSameLines(const Season& season, const Season& expected) {
    ASSERT_EQ(season.players.size(), expected.players.size());
    for (std::size_t i = 0; i < season.players.size(); ++i) {
        EXPECT_EQ(season.players[i].player, expected.players[i].player);
        EXPECT_EQ(season.players[i].games, expected.players[i].games) << expected.players[i].player;
        EXPECT_EQ(season.players[i].totals, expected.players[i].totals)
            << expected.players[i].player;
    }
    EXPECT_EQ(season.team.games, expected.team.games);
    EXPECT_EQ(season.team.totals, expected.team.totals);
}

// A game as the scorer keeps it: stats cycled over players, stats and quarters, one play a
// second from `start` (hh:mm:00), saved as File|Save saves it at any moment.
struct KeptGame {
    FakeDialogs dialogs;
    Game game{dialogs};
    int recorded = 0;

    explicit KeptGame(int hour) {
        game.zeroSheet();
        for (int n = 1; n <= kPlayers; ++n)
            game.setName(n, std::to_string(n) + " &Player");
        game.setTimeOfDay([hour, n = std::make_shared<int>(0)] {
            char text[40];
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, *n / 60, *n % 60);
            ++*n;
            return std::string(text);
        });
    }
    void play(int stats) {
        for (int i = 0; i < stats; ++i)
            recordCycledStat(game, recorded++);
    }
    std::string saved() const {
        return *encodeSavedGame(contentsOf(game), Quarter::First, game.plays());
    }
};

// Half-time saves among the season's files: a file whose plays, as first recorded, start
// another's is left out naming the file that counts, whatever was corrected since; a file that
// differs in a play's time, stat or player, or has no plays, is a game of its own.
TEST(Season, HalfTimeSavesAreLeftOutAndEachGameCountsOnce) {
    const ScratchFolder folder;
    std::map<std::string, GameContents> contents; // of each file
    const auto keep = [&](const std::string& name, const std::string& bytes) {
        writeBytes(folder / name, bytes);
        contents[name] = std::get<SavedGame>(readSavedGame(bytes)).game;
    };
    KeptGame a(18), b(19), c(20);
    a.play(40);
    keep("a.txt", a.saved());
    b.play(35);
    keep("b.txt", b.saved());
    keep("b again.txt", b.saved());
    c.play(5);
    keep("c start.txt", c.saved());
    c.play(15);
    const std::string half = c.saved();
    keep("c half.txt", half);
    keep("c half, no plays.txt", encodeGameFile(contentsOf(c.game)));
    // The same twenty plays but one, which still fit the game: that one taken out of the count
    // and recorded a second later, as another stat or for another player.
    const auto changedPlay = [&](const std::function<void(Play&)>& change) {
        SavedGame saved = std::get<SavedGame>(readSavedGame(half));
        saved.plays[6].counted = false;
        change(saved.plays[6]);
        const std::string bytes = *encodeSavedGame(saved.game, saved.quarter, saved.plays);
        EXPECT_EQ(std::get<SavedGame>(readSavedGame(bytes)).plays, saved.plays);
        return bytes;
    };
    keep("c other time.txt", changedPlay([](Play& p) { p.time.back() += 1; }));
    keep("c other stat.txt", changedPlay([](Play& p) { p.letter = p.letter == 'h' ? 'u' : 'h'; }));
    keep("c other player.txt", changedPlay([](Play& p) { p.player = p.player % kPlayers + 1; }));
    // The rest of the game, and corrections of plays the earlier saves hold.
    c.play(20);
    ASSERT_TRUE(c.game.givePlays({2}, 9));
    ASSERT_TRUE(c.game.movePlays({3}, Quarter::Overtime));
    ASSERT_TRUE(c.game.removePlays({4}));
    keep("c.txt", c.saved());

    struct Case {
        std::vector<std::string> given;
        std::vector<std::string> counted;
        std::vector<std::pair<std::string, std::string>> leftOut; // file, the file it is a save of
    };
    const std::vector<Case> cases = {
        {{"c half.txt", "a.txt", "c start.txt", "b.txt", "c.txt"},
         {"a.txt", "b.txt", "c.txt"},
         {{"c half.txt", "c.txt"}, {"c start.txt", "c.txt"}}},
        {{"c.txt", "c start.txt", "c half.txt"},
         {"c.txt"},
         {{"c start.txt", "c.txt"}, {"c half.txt", "c.txt"}}},
        {{"b.txt", "b again.txt", "a.txt"}, {"b again.txt", "a.txt"}, {{"b.txt", "b again.txt"}}},
        {{"c half, no plays.txt", "c other time.txt", "c other stat.txt", "c other player.txt",
          "c.txt"},
         {"c half, no plays.txt", "c other time.txt", "c other stat.txt", "c other player.txt",
          "c.txt"},
         {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.given.front() + ", …");
        std::vector<std::string> paths;
        for (const std::string& name : k.given)
            paths.push_back(folder / name);
        const Season season = readSeason(paths);
        ASSERT_EQ(season.leftOut.size(), k.leftOut.size());
        for (std::size_t i = 0; i < k.leftOut.size(); ++i) {
            EXPECT_EQ(season.leftOut[i].path, folder / k.leftOut[i].first);
            EXPECT_EQ(season.leftOut[i].reason,
                      "An earlier save of " + folder / k.leftOut[i].second + ".");
        }
        std::vector<GameContents> counted;
        for (const std::string& name : k.counted)
            counted.push_back(contents.at(name));
        // Games played and averages over the games that count, each once.
        expectSameLines(season, addUpSeason(counted));
        EXPECT_EQ(season.team.games, static_cast<int>(k.counted.size()));
    }
}

// A count that cannot be one leaves its game out with the line, the column and the value; the
// games around it still count, a count of 9,999 and a quarter's line (not added up) with it.
TEST(Season, GameWithACountThatIsNoneIsLeftOutAndTheRestCount) {
    struct Case {
        int line;
        Col col;
        std::string text;
        std::string reason; // empty: the game counts
    };
    const std::string rule = ": a count must be a whole number from 0 to 9,999.";
    const std::vector<Case> cases = {
        {2, PTS, "-50", "Player 3's points hold -50" + rule},
        {0, PTS, "9999", ""},
        {kTotalsLine, REB, "10000", "The game totals' rebounds hold 10000" + rule},
        {0, PTS, "1e308", "Player 1's points hold 1e308" + rule},
        {quarterLine(Quarter::Second), TO, "-1", ""},
        {11, FTA, " 2.5 ", "Player 12's free throws attempted hold 2.5" + rule},
        {5, AST, "-0", ""},
    };
    const ScratchFolder folder;
    std::vector<std::string> paths;
    std::vector<GameContents> counting;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        GameContents game;
        game.names[0] = "1 Ann";
        game.names[2] = "3 Bo";
        game.fields[Field{0, PTS}.id()] = "2";
        game.fields[Field{kTotalsLine, PTS}.id()] = "2";
        game.fields[Field{cases[i].line, cases[i].col}.id()] = cases[i].text;
        paths.push_back(folder / ("game " + std::to_string(i) + ".txt"));
        writeBytes(paths.back(), encodeGameFile(game));
        if (cases[i].reason.empty()) counting.push_back(game);
    }
    const Season season = readSeason(paths);
    std::vector<std::pair<std::string, std::string>> leftOut, expected;
    for (const LeftOutFile& file : season.leftOut)
        leftOut.emplace_back(file.path, file.reason);
    for (std::size_t i = 0; i < cases.size(); ++i)
        if (!cases[i].reason.empty()) expected.emplace_back(paths[i], cases[i].reason);
    EXPECT_EQ(leftOut, expected);
    ASSERT_EQ(season.team.games, 3);
    EXPECT_EQ(season.team.totals[PTS], 2 + 2 + 2);
    expectSameLines(season, addUpSeason(counting));
}

// The games listed by date (equal dates by file name, no date last) with their scores, and the
// record over the games with a score: a tie neither won nor lost, a game without details or
// opponent plays in no count, the points against averaged over the games with a score.
TEST(Season, GamesListedByDateWithTheRecordOverTheGamesWithAScore) {
    struct File {
        std::string name, date, opponent;
        int ours;
        std::optional<int> theirs; // an opponent play setting them; none for no opponent play
        std::string score;         // as the list shows it
    };
    const std::vector<File> given = {
        {"a loss.txt", "2026-12-01", "Owls", 40, 41, "40-41"},
        {"e no details.txt", "", "", 30, 20, "30-20"},
        {"d nothing.txt", "", "", 25, std::nullopt, ""},
        {"c tie.txt", "2026-11-02", "Hawks", 50, 50, "50-50"},
        {"b win.txt", "2026-11-02", "Hawks, Inc.", 58, 52, "58-52"},
    };
    const ScratchFolder folder;
    std::vector<std::string> paths;
    for (const File& f : given) {
        GameContents game;
        game.names[0] = "1 Ann";
        game.fields[Field{0, PTS}.id()] = std::to_string(f.ours);
        game.fields[Field{kTotalsLine, PTS}.id()] = std::to_string(f.ours);
        Matchup matchup;
        matchup.details.date = f.date;
        matchup.details.opponent = f.opponent;
        if (f.theirs)
            matchup.opponent.push_back(
                {1, "19:00:00", Quarter::Third, OpponentWhat::Set, *f.theirs, true, {}});
        paths.push_back(folder / f.name);
        writeBytes(paths.back(), *encodeSavedGame(game, Quarter::First, {}, matchup));
    }
    const Season season = readSeason(paths);
    ASSERT_TRUE(season.leftOut.empty());
    EXPECT_EQ(season.team.games, 5);

    std::vector<std::array<std::string, kSeasonGameColumns>> listed;
    for (const SeasonGame& game : season.games)
        listed.push_back(seasonGameTexts(game));
    const std::vector<std::array<std::string, kSeasonGameColumns>> expected = {
        {"2026-11-02", "Hawks, Inc.", "58-52", "b win.txt"},
        {"2026-11-02", "Hawks", "50-50", "c tie.txt"},
        {"2026-12-01", "Owls", "40-41", "a loss.txt"},
        {"", "", "", "d nothing.txt"},
        {"", "", "30-20", "e no details.txt"},
    };
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(season.games[0].path, paths[4]);

    const SeasonRecord& record = season.record;
    EXPECT_EQ(std::tuple(record.wins, record.losses, record.ties, record.scored),
              std::tuple(2, 1, 1, 4));
    // 163 points in four games: 40.75, rounded half away from zero as the averages are.
    EXPECT_EQ(recordLine(record),
              "Record 2-1 (1 tie), 40.8 points against per game (4 games with a score)");
    EXPECT_EQ(recordLine(record, ","),
              "Record 2-1 (1 tie), 40,8 points against per game (4 games with a score)");
    EXPECT_EQ(recordLine(recordOf({})), "No game with a score");

    // The CSV: the table, then the games with their points in two columns, then the record.
    const std::string csv = seasonCsv(season);
    const std::string games = csv.substr(csv.find("\r\n\r\n") + 4);
    EXPECT_EQ(games, "Date,Opponent,For,Against,File\r\n"
                     "2026-11-02,\"Hawks, Inc.\",58,52,b win.txt\r\n"
                     "2026-11-02,Hawks,50,50,c tie.txt\r\n"
                     "2026-12-01,Owls,40,41,a loss.txt\r\n"
                     ",,,,d nothing.txt\r\n"
                     ",,30,20,e no details.txt\r\n"
                     "\r\n"
                     "Won,Lost,Tied,Against per game\r\n"
                     "2,1,1,40.8\r\n");
}

// One whole sentence per number of ties and of games (for the translation), each as it read.
TEST(SeasonRecordLine, EveryNumberOfTiesAndGames) {
    const std::pair<SeasonRecord, std::string> cases[] = {
        {{1, 0, 0, 1, 52}, "1-0, 52.0 points against per game (1 game with a score)"},
        {{3, 2, 0, 5, 251}, "3-2, 50.2 points against per game (5 games with a score)"},
        {{0, 0, 1, 1, 40}, "0-0 (1 tie), 40.0 points against per game (1 game with a score)"},
        {{0, 1, 2, 3, 90}, "0-1 (2 ties), 30.0 points against per game (3 games with a score)"},
        {{9, 12, 3, 1, 7}, "9-12 (3 ties), 7.0 points against per game (1 game with a score)"}};
    for (const auto& [record, line] : cases) {
        EXPECT_EQ(recordLine(record), "Record " + line);
        // Numbers only among the values: every word is in the template.
        for (const std::string& value : recordLineText(record, ",").values)
            EXPECT_EQ(value.find_first_not_of("0123456789,"), std::string::npos) << line;
    }
}

} // namespace
} // namespace tallivant::testing
