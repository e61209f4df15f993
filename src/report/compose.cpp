// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/compose.h"

#include <array>
#include <string_view>

#include "sheet/plays.h"

namespace tallivant {
namespace {

struct Cell {
    Col col;
    int column;
};

constexpr int kNameColumn = 3;
constexpr int kFirstValueColumn = 21;

// The three-point headings stand one column left of their values.
constexpr std::array<Cell, 9> kShooting = {{
    {FGM, 21},
    {FGA, 28},
    {FGPER, 35},
    {FTM, 47},
    {FTA, 54},
    {FTPER, 61},
    {TPM, 71},
    {TPA, 78},
    {TPPER, 85},
}};
constexpr std::array<std::pair<std::string_view, int>, 10> kShootingHeadings = {{
    {"FGM", 21},
    {"FGA", 28},
    {"FG%", 35},
    {"FTM", 47},
    {"FTA", 54},
    {"FT%", 61},
    {"3PM", 70},
    {"3PA", 77},
    {"3P%", 84},
    {"Tallivant", 110},
}};

constexpr std::array<Cell, 8> kOthers = {{
    {REB, 21},
    {AST, 28},
    {TO, 35},
    {STL, 41},
    {BLK, 49},
    {PF, 57},
    {TF, 65},
    {PTS, 73},
}};
// The points total of the game totals line stands one column left of the points above it.
constexpr int kTotalPointsColumn = 72;
constexpr std::string_view kOthersHeading =
    "REB    AST    TO      STL     BLK       PF       TF          Points";

constexpr std::array<std::string_view, kQuarters> kQuarterLabels = {
    "1st Qtr Totals", "2nd Qtr Totals", "3rd Qtr Totals", "4th Qtr Totals", "Overtime Totals"};
constexpr std::string_view kTotalsLabel = "Game Totals";

ReportLine rule(int firstRun, int secondRun) {
    return {{kNameColumn, std::string(firstRun, '-')},
            {kRightAfterPrevious, std::string(secondRun, '-')}};
}

template <std::size_t N>
ReportLine valueLine(const Game& game, std::string label, int line,
                     const std::array<Cell, N>& cells) {
    ReportLine out{{kNameColumn, std::move(label)}};
    for (const Cell& cell : cells) {
        int column = cell.column;
        if (line == kTotalsLine && cell.col == PTS) column = kTotalPointsColumn;
        out.push_back({column, game.text({line, cell.col})});
    }
    return out;
}

template <std::size_t N>
void appendTable(std::vector<ReportLine>& out, const Game& game, ReportLine heading,
                 ReportLine lineRule, ReportLine totalsRule, const std::array<Cell, N>& cells) {
    out.push_back(std::move(heading));
    out.push_back(std::move(lineRule));
    for (int player = 1; player <= kPlayers; ++player)
        out.push_back(
            valueLine(game, withoutAmpersands(game.name(player)), playerLine(player - 1), cells));
    for (int q = 0; q < kQuarters; ++q)
        out.push_back(valueLine(game, std::string(kQuarterLabels[q]),
                                quarterLine(static_cast<Quarter>(q)), cells));
    out.push_back(std::move(totalsRule));
    out.push_back(valueLine(game, std::string(kTotalsLabel), kTotalsLine, cells));
}

} // namespace

std::vector<ReportLine> composeReport(const Game& game) {
    std::vector<ReportLine> out;
    out.reserve(kReportLines);

    ReportLine shootingHeading{{kNameColumn, "Name"}};
    for (const auto& [text, column] : kShootingHeadings)
        shootingHeading.push_back({column, std::string(text)});
    appendTable(out, game, std::move(shootingHeading), rule(49, 84), rule(49, 84), kShooting);

    for (int i = 0; i < 3; ++i)
        out.emplace_back();

    ReportLine othersHeading{{kNameColumn, "Name"},
                             {kFirstValueColumn, std::string(kOthersHeading)}};
    appendTable(out, game, std::move(othersHeading), rule(36, 70), rule(36, 67), kOthers);
    return out;
}

} // namespace tallivant
