// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "season/season.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <variant>

#include "formats/saved_game.h"
#include "formats/score.h"
#include "sheet/game.h"
#include "sheet/numbers.h"
#include "sheet/plays.h"
#include "system/disk.h"
#include "system/load_game.h"

namespace tallivant {

namespace {

using Counts = LineCounts;

// The line's counts as the sheet reads its texts; the percentages stay 0, since a season's
// come from its totals and not from the games' percentages.
Counts countsOf(const GameContents& game, int line) {
    Counts counts{};
    for (int col = 0; col < kColumns; ++col)
        if (!isPercentColumn(col)) counts[col] = readLenient(game.fields[Field{line, col}.id()]);
    return counts;
}

bool holdsAStat(const Counts& counts) {
    return std::any_of(counts.begin(), counts.end(), [](double v) { return v != 0; });
}

std::string trimmedText(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

// A field's text in a message: a line of digits cut after twenty characters (UTF-8 kept whole).
std::string shortened(std::string text) {
    constexpr std::size_t kMost = 20;
    if (text.size() <= kMost) return text;
    std::size_t end = kMost;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end) + "\xE2\x80\xA6" /* … */;
}

// The name as its button shows it (shownName's "&" rule), without the blanks around it, so that
// "&Ann Lee " and "Ann Lee" are one player.
std::string cleanName(const std::string& typed) {
    return trimmedText(withoutAmpersands(typed));
}

// Who player N's line of a game is in the season; empty for nobody. A line without a name (or
// with the prompt's untouched default) that holds a stat is "#N", as the Plays window calls it:
// nothing else tells such lines apart, so line N's add up as one, and the scorer who sees "#4"
// knows which line to name. Without a stat it is an unused line.
std::string seasonName(const std::string& typed, int player, bool played) {
    std::string name = cleanName(typed);
    if (!name.empty() && name != kNameDefault) return name;
    return played ? "#" + std::to_string(player) : std::string();
}

// The order of the table; a sum that overflowed into NaN sorts as the lowest average, so that
// the order stays an order.
double sortedAverage(const SeasonLine& line) {
    const double ppg = line.average(PPG);
    return std::isnan(ppg) ? -std::numeric_limits<double>::infinity() : ppg;
}

class Tally {
public:
    void add(const GameContents& game) {
        ++gamesAdded_;
        for (int n = 1; n <= kPlayers; ++n) {
            const Counts counts = countsOf(game, playerLine(n - 1));
            const bool played = holdsAStat(counts);
            std::string name = seasonName(game.names[n - 1], n, played);
            if (name.empty()) continue;
            // A named line without a stat still lists the player, without the game: the coach
            // looks for the whole roster in the table, the bench included.
            const auto [at, isNew] = index_.try_emplace(name, players_.size());
            if (isNew) players_.push_back({{std::move(name)}, 0});
            Player& player = players_[at->second];
            // A name typed on two lines of one game is one player who played that game once.
            if (played && player.lastGame != gamesAdded_) {
                ++player.line.games;
                player.lastGame = gamesAdded_;
            }
            addTo(player.line, counts);
        }
        ++team_.games;
        addTo(team_, countsOf(game, kTotalsLine));
    }

    Season season() && {
        Season season;
        season.players.reserve(players_.size());
        for (Player& p : players_)
            season.players.push_back(std::move(p.line));
        std::sort(season.players.begin(), season.players.end(),
                  [](const SeasonLine& a, const SeasonLine& b) {
                      const double pa = sortedAverage(a), pb = sortedAverage(b);
                      return pa != pb ? pa > pb : a.player < b.player;
                  });
        season.team = std::move(team_);
        return season;
    }

private:
    struct Player {
        SeasonLine line;
        int lastGame = 0; // the last game, counted from 1, that it got
    };
    static void addTo(SeasonLine& line, const Counts& counts) {
        for (int col = 0; col < kColumns; ++col)
            line.totals[col] += counts[col];
    }

    int gamesAdded_ = 0;
    std::vector<Player> players_; // in the order first met
    std::unordered_map<std::string, std::size_t> index_;
    SeasonLine team_{std::string(kTeamName)};
};

// One text for every path to the same file, so that a file chosen twice (or through a link,
// soft or hard) is not added twice; the path as given when the system cannot tell.
std::string sameFileKey(const std::string& path) {
    const std::optional<FileIdentity> identity = identityOf(path);
    if (!identity) return "path:" + path;
    return std::to_string(identity->device) + ":" + std::to_string(identity->file) + ":" +
           identity->newName;
}

// A play as it was first recorded: what a later save of the same game still holds of it.
auto firstRecorded(const Play& p) {
    return std::tuple(p.number, std::string_view(p.time), p.fromPlayer ? p.fromPlayer : p.player,
                      p.letter, p.fromQuarter.value_or(p.quarter));
}

bool startsWith(const Plays& plays, const Plays& start) {
    return start.size() <= plays.size() &&
           std::equal(start.begin(), start.end(), plays.begin(), [](const Play& a, const Play& b) {
               return firstRecorded(a) == firstRecorded(b);
           });
}

// For each game, the index of the counted game it is an earlier save of, if any. Sorted by
// their plays as first recorded, a game's plays are the start of another's exactly when they
// are the start of the next one's: any game between the two would have to start with them too.
// So one sort and one look at each neighbour, rather than every pair compared.
std::vector<std::optional<std::size_t>> laterSaves(const std::vector<const Plays*>& plays) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < plays.size(); ++i)
        if (!plays[i]->empty()) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::lexicographical_compare(
            plays[a]->begin(), plays[a]->end(), plays[b]->begin(), plays[b]->end(),
            [](const Play& x, const Play& y) { return firstRecorded(x) < firstRecorded(y); });
    });
    std::vector<std::optional<std::size_t>> later(plays.size());
    for (std::size_t k = order.size(); k-- > 1;) {
        const std::size_t save = order[k - 1], next = order[k];
        if (startsWith(*plays[next], *plays[save])) later[save] = later[next].value_or(next);
    }
    return later;
}

} // namespace

std::string earlierSaveReason(std::string_view laterSave) {
    return filledEnglish(kEarlierSave, {std::string(laterSave)});
}

std::optional<std::string> badCountReason(const GameContents& game) {
    for (int line = 0; line < kLines; ++line) {
        if (line >= kPlayers && line != kTotalsLine) continue; // quarters are not added up
        for (int col = 0; col < kColumns; ++col) {
            if (isPercentColumn(col)) continue;
            const std::string& text = game.fields[Field{line, col}.id()];
            const double value = readLenient(text);
            if (std::isfinite(value) && value >= 0 && value <= kMostInACount &&
                std::floor(value) == value)
                continue;
            const std::string spoken(kColumnTable[col].spoken);
            const std::string held = shortened(trimmedText(text));
            // "Player 3" is spokenLine's name of a player's line.
            return line < kPlayers
                       ? filledEnglish(kBadPlayerCount, {std::to_string(line + 1), spoken, held})
                       : filledEnglish(kBadTotalsCount, {spoken, held});
        }
    }
    return std::nullopt;
}

Season addUpSeason(const std::vector<GameContents>& games) {
    Tally tally;
    for (const GameContents& game : games)
        tally.add(game);
    return std::move(tally).season();
}

// A file given twice is left out the second time, with its reason: its stats counted twice
// would be wrong, and dropped without a word would look like a file lost. Half-time saves are
// known only once every file is read; the games are added up after that, in the order given.
Season readSeason(const std::vector<std::string>& paths) {
    struct Opened {
        std::size_t given; // the path's index
        SavedGame saved;
    };
    std::vector<Opened> opened;
    opened.reserve(paths.size());
    std::vector<std::optional<LeftOutFile>> leftOut(paths.size());
    std::unordered_set<std::string> added;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string& path = paths[i];
        auto loaded = loadGameFile(path);
        if (const auto* reason = std::get_if<std::string>(&loaded)) {
            leftOut[i] = {path, *reason, {}};
        } else if (!added.insert(sameFileKey(path)).second) {
            leftOut[i] = {path, std::string(kAlreadyInSeason), {}};
        } else {
            SavedGame& saved = std::get<SavedGame>(loaded);
            if (std::optional<std::string> bad = badCountReason(saved.game))
                leftOut[i] = {path, std::move(*bad), {}};
            else
                opened.push_back({i, std::move(saved)});
        }
    }

    std::vector<const Plays*> plays;
    plays.reserve(opened.size());
    for (const Opened& o : opened)
        plays.push_back(&o.saved.plays);
    const std::vector<std::optional<std::size_t>> later = laterSaves(plays);
    Tally tally;
    std::vector<SeasonGame> games;
    for (std::size_t g = 0; g < opened.size(); ++g) {
        if (!later[g]) {
            const SavedGame& saved = opened[g].saved;
            tally.add(saved.game);
            const Matchup& matchup = saved.matchup;
            const GameScore score = gameScore(saved.game.fields, matchup);
            games.push_back({paths[opened[g].given], matchup.details.date, matchup.details.opponent,
                             hasScore(matchup), score.ours, score.theirs});
            continue;
        }
        const std::string& laterPath = paths[opened[*later[g]].given];
        leftOut[opened[g].given] = {paths[opened[g].given], earlierSaveReason(laterPath),
                                    laterPath};
    }

    Season season = std::move(tally).season();
    for (std::optional<LeftOutFile>& file : leftOut)
        if (file) season.leftOut.push_back(std::move(*file));
    season.read = paths;
    sortSeasonGames(games);
    season.record = recordOf(games);
    season.games = std::move(games);
    return season;
}

} // namespace tallivant
