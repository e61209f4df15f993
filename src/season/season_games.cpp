// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The season's list of games and the team's record.
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "formats/paths.h"
#include "formats/score.h"
#include "season/season.h"

namespace tallivant {

void sortSeasonGames(std::vector<SeasonGame>& games) {
    struct Keyed {
        std::string name;
        SeasonGame* game;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(games.size());
    for (SeasonGame& g : games)
        keyed.push_back({utf8Of(pathOf(g.path).filename()), &g});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return std::tuple(a.game->date.empty(), std::string_view(a.game->date),
                          std::string_view(a.name), std::string_view(a.game->path)) <
               std::tuple(b.game->date.empty(), std::string_view(b.game->date),
                          std::string_view(b.name), std::string_view(b.game->path));
    });
    std::vector<SeasonGame> sorted;
    sorted.reserve(games.size());
    for (Keyed& k : keyed)
        sorted.push_back(std::move(*k.game));
    games = std::move(sorted);
}

SeasonRecord recordOf(const std::vector<SeasonGame>& games) {
    SeasonRecord record;
    for (const SeasonGame& g : games) {
        if (!g.scored) continue;
        ++record.scored;
        record.pointsAgainst += g.theirs;
        if (g.ours > g.theirs)
            ++record.wins;
        else if (g.ours < g.theirs)
            ++record.losses;
        else
            ++record.ties;
    }
    return record;
}

std::string scoreOf(const SeasonGame& game) {
    if (!game.scored) return {};
    return scoreText(game.ours) + "-" + std::to_string(game.theirs);
}

std::string recordText(const SeasonRecord& record) {
    std::string text = std::to_string(record.wins) + "-" + std::to_string(record.losses);
    if (record.ties > 0)
        text += " (" + std::to_string(record.ties) + (record.ties == 1 ? " tie)" : " ties)");
    return text;
}

const std::array<std::string_view, kSeasonGameColumns> kSeasonGameHeaders = {
    QT_TRANSLATE_NOOP("Core", "Date"), QT_TRANSLATE_NOOP("Core", "Opponent"),
    QT_TRANSLATE_NOOP("Core", "Score"), QT_TRANSLATE_NOOP("Core", "File")};

std::array<std::string, kSeasonGameColumns> seasonGameTexts(const SeasonGame& game) {
    return {game.date, game.opponent, scoreOf(game), utf8Of(pathOf(game.path).filename())};
}

} // namespace tallivant
