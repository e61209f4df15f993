// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/compose.h"

#include <array>
#include <string_view>

#include "formats/score.h"
#include "report/place.h"
#include "sheet/plays.h"
#include "sheet/translatable.h"

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
// "Points" is a word; the abbreviations before it, spaced to stand over their columns, are not.
constexpr std::string_view kOthersHeading =
    "REB    AST    TO      STL     BLK       PF       TF          ";
constexpr const char* kPointsHeading = QT_TRANSLATE_NOOP("Core", "Points");
constexpr const char* kNameHeading = QT_TRANSLATE_NOOP("Core", "Name");

constexpr std::array<const char*, kQuarters> kQuarterLabels = {
    QT_TRANSLATE_NOOP("Core", "1st Qtr Totals"), QT_TRANSLATE_NOOP("Core", "2nd Qtr Totals"),
    QT_TRANSLATE_NOOP("Core", "3rd Qtr Totals"), QT_TRANSLATE_NOOP("Core", "4th Qtr Totals"),
    QT_TRANSLATE_NOOP("Core", "Overtime Totals")};
constexpr const char* kTotalsLabel = QT_TRANSLATE_NOOP("Core", "Game Totals");

std::string word(const ReportWords& words, const char* english) {
    return words ? words(english) : std::string(english);
}

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
void appendTable(std::vector<ReportLine>& out, const Game& game, const ReportWords& words,
                 ReportLine heading, ReportLine lineRule, ReportLine totalsRule,
                 const std::array<Cell, N>& cells) {
    out.push_back(std::move(heading));
    out.push_back(std::move(lineRule));
    for (int player = 1; player <= kPlayers; ++player)
        out.push_back(
            valueLine(game, withoutAmpersands(game.name(player)), playerLine(player - 1), cells));
    for (int q = 0; q < kQuarters; ++q)
        out.push_back(valueLine(game, word(words, kQuarterLabels[q]),
                                quarterLine(static_cast<Quarter>(q)), cells));
    out.push_back(std::move(totalsRule));
    out.push_back(valueLine(game, word(words, kTotalsLabel), kTotalsLine, cells));
}

// The text cut to `most` characters, the last of them "…"; UTF-8 characters stay whole.
std::string cut(std::string text, int most) {
    if (characterCount(text) <= most) return text;
    std::size_t end = 0;
    for (int kept = 0; end < text.size(); ++end)
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && kept++ == most - 1) break;
    text.resize(end);
    return text + "\xE2\x80\xA6";
}

std::string dateAndPlace(const GameDetails& details) {
    std::string out = details.date;
    if (!details.place.empty()) out += (out.empty() ? "" : ", ") + details.place;
    return out;
}

} // namespace

std::vector<ReportLine> composeHeading(const Game& game, const ReportWords& words) {
    const Matchup& matchup = game.matchup();
    const GameDetails& details = matchup.details;
    if (!details.given()) return {};
    std::array<std::string, kFields> fields;
    for (int id = 0; id < kFields; ++id)
        fields[id] = game.text(Field::fromId(id));
    const GameScore score = gameScore(fields, matchup);

    // Regular quarters go unnamed, as on a scoreboard; halves and overtime say what they are.
    std::string periods;
    for (const PeriodScore& p : score.periods) {
        periods += periods.empty() ? "(" : ", ";
        if (details.rules.halves || p.quarter == Quarter::Overtime)
            periods += word(words, p.name.c_str()) + " ";
        periods += scoreText(p.ours) + "-" + std::to_string(p.theirs);
    }
    if (!periods.empty()) periods += ")";

    // A side the scorer left unnamed goes by the core's word for it, in the reader's words.
    const std::string us =
        details.team.empty() ? word(words, ourName(details).c_str()) : ourName(details);
    const std::string them =
        details.opponent.empty() ? word(words, theirName(details).c_str()) : theirName(details);
    std::vector<std::string> parts = {us + " " + scoreText(score.ours) + " : " +
                                          std::to_string(score.theirs) + " " + them,
                                      periods, dateAndPlace(details)};
    std::erase(parts, std::string());
    // Whole parts fill the first line; whatever does not fit goes on the second.
    constexpr std::string_view kGap = "   ";
    std::array<std::string, 2> lines;
    std::size_t line = 0;
    for (const std::string& part : parts) {
        const std::string joined =
            lines[line].empty() ? part : lines[line] + std::string(kGap) + part;
        if (line == 0 && !lines[0].empty() && characterCount(joined) > kHeadingCharacters) {
            line = 1;
            lines[1] = part;
        } else {
            lines[line] = joined;
        }
    }
    std::vector<ReportLine> out;
    for (const std::string& text : lines)
        if (!text.empty()) out.push_back({{kNameColumn, cut(text, kHeadingCharacters)}});
    out.emplace_back();
    return out;
}

std::vector<ReportLine> composeReport(const Game& game, const ReportWords& words) {
    std::vector<ReportLine> out = composeHeading(game, words);
    const bool headed = !out.empty();
    out.reserve(out.size() + kReportLines);

    ReportLine shootingHeading{{kNameColumn, word(words, kNameHeading)}};
    for (const auto& [text, column] : kShootingHeadings)
        shootingHeading.push_back({column, std::string(text)});
    appendTable(out, game, words, std::move(shootingHeading), rule(49, 84), rule(49, 84),
                kShooting);

    // Under a heading the tables stand a line closer, so that a heading of two lines still
    // leaves the report on one page of A4 (47 lines at 10 points).
    const int between = headed ? 2 : 3;
    for (int i = 0; i < between; ++i)
        out.emplace_back();

    ReportLine othersHeading{{kNameColumn, word(words, kNameHeading)},
                             {kFirstValueColumn, std::string(kOthersHeading)},
                             {kRightAfterPrevious, word(words, kPointsHeading)}};
    appendTable(out, game, words, std::move(othersHeading), rule(36, 70), rule(36, 67), kOthers);
    return out;
}

} // namespace tallivant
