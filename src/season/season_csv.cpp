// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/csv.h"
#include "formats/paths.h"
#include "formats/score.h"
#include "season/season.h"

namespace tallivant {

std::string seasonCsv(const Season& season) {
    std::string out(kByteOrderMark);
    appendCsvRow(out, kSeasonHeaders);
    for (const SeasonLine& line : season.players)
        appendCsvRow(out, seasonRowTexts(line));
    appendCsvRow(out, seasonRowTexts(season.team));
    if (season.games.empty()) return out;

    // The points in two columns of numbers: "58-52" in one cell a spreadsheet takes for a date.
    appendCsvRow(out, std::array<std::string, 0>{});
    appendCsvRow(out, {"Date", "Opponent", "For", "Against", "File"});
    for (const SeasonGame& game : season.games)
        appendCsvRow(out, {game.date, game.opponent, game.scored ? scoreText(game.ours) : "",
                           game.scored ? std::to_string(game.theirs) : "",
                           utf8Of(pathOf(game.path).filename())});
    const SeasonRecord& record = season.record;
    if (record.scored == 0) return out;
    appendCsvRow(out, std::array<std::string, 0>{});
    appendCsvRow(out, {"Won", "Lost", "Tied", "Against per game"});
    appendCsvRow(out, {std::to_string(record.wins), std::to_string(record.losses),
                       std::to_string(record.ties), againstPerGameText(record)});
    return out;
}

} // namespace tallivant
