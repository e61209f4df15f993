// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "season/season.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <variant>

#include "formats/saved_game.h"
#include "sheet/game.h"
#include "sheet/numbers.h"
#include "sheet/plays.h"
#include "system/disk.h"
#include "system/load_game.h"

namespace tallivant {

namespace {

using Counts = std::array<double, kColumns>;

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

// The name as its button shows it (shownName's "&" rule), without the blanks around it, so that
// "&Ann Lee " and "Ann Lee" are one player.
std::string cleanName(const std::string& typed) {
    const std::string name = withoutAmpersands(typed);
    const auto first = std::find_if_not(name.begin(), name.end(), isBlank);
    const auto last = std::find_if_not(name.rbegin(), name.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
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

} // namespace

Season addUpSeason(const std::vector<GameContents>& games) {
    Tally tally;
    for (const GameContents& game : games)
        tally.add(game);
    return std::move(tally).season();
}

// A file given twice is left out the second time, with its reason: its stats counted twice
// would be wrong, and dropped without a word would look like a file lost.
Season readSeason(const std::vector<std::string>& paths) {
    Tally tally;
    std::vector<LeftOutFile> leftOut;
    std::unordered_set<std::string> added;
    for (const std::string& path : paths) {
        const auto loaded = loadGameFile(path, Reading::GameOnly);
        if (const auto* reason = std::get_if<std::string>(&loaded))
            leftOut.push_back({path, *reason});
        else if (!added.insert(sameFileKey(path)).second)
            leftOut.push_back({path, std::string(kAlreadyInSeason)});
        else
            tally.add(std::get<SavedGame>(loaded).game);
    }
    Season season = std::move(tally).season();
    season.leftOut = std::move(leftOut);
    season.read = paths;
    return season;
}

} // namespace tallivant
