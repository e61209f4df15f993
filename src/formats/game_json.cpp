// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/game_json.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "formats/box_columns.h"
#include "formats/csv.h"
#include "formats/encoding.h"
#include "formats/score.h"
#include "sheet/game.h"
#include "sheet/numbers.h"
#include "sheet/stats.h"

namespace tallivant {

namespace {

constexpr std::array<std::string_view, 3> kOvertimeWords = {"with last period", "own period",
                                                            "keeps penalty"};

std::string_view nextWords(FreeThrows next) {
    switch (next) {
    case FreeThrows::OneAndOne:
        return "one-and-one";
    case FreeThrows::Two:
        return "two shots";
    case FreeThrows::None:
        break;
    }
    return "none";
}

std::string boolean(bool value) {
    return value ? "true" : "false";
}

// Writes one JSON object member after another, commas between.
class Members {
public:
    explicit Members(std::string& out) : out_(out) { out_ += '{'; }
    ~Members() { out_ += '}'; }
    Members(const Members&) = delete;
    Members& operator=(const Members&) = delete;
    std::string& operator[](std::string_view name) {
        if (!first_) out_ += ',';
        first_ = false;
        appendJsonString(out_, name);
        out_ += ':';
        return out_;
    }

private:
    std::string& out_;
    bool first_ = true;
};

// A cell as the CSV has it, as a JSON value: a number where it reads as one, null for an
// empty percentage, the text itself otherwise.
std::string jsonCell(const std::string& cell) {
    if (cell.empty()) return "null";
    if (const std::optional<double> n = readStrict(cell); n && std::isfinite(*n))
        return formatCount(*n);
    return jsonString(cell);
}

void appendBox(std::string& out, const GameContents& game, int line) {
    Members box(out);
    for (const BoxColumnInfo& column : kBoxColumnTable)
        box[column.header] += jsonCell(boxCell(game, line, column));
}

// What a stat of ours adds to its lines, by the box score's columns.
void appendAdds(std::string& out, char letter) {
    Members adds(out);
    const std::optional<int> row = statIndex(letter);
    if (!row) return;
    LineCounts counts{};
    forEachCount(kStatTable[*row], [&](int col, int amount) { counts[col] += amount; });
    for (const BoxColumnInfo& column : kBoxColumnTable) {
        if (column.percent) continue;
        const double n = boxCount(counts, column.made, column.withThrees);
        if (n != 0) adds[column.header] += formatCount(n);
    }
}

int pointsOf(char letter) {
    const std::optional<int> row = statIndex(letter);
    return row && kStatTable[*row].kind == StatKind::Made ? kStatTable[*row].points : 0;
}

void appendRules(std::string& out, const Rules& rules) {
    Members r(out);
    appendJsonString(r["preset"], rulesName(rules.preset));
    r["foulOut"] += std::to_string(rules.foulOut);
    r["technicalsToFoulOut"] += boolean(rules.technicalsToFoulOut);
    r["technicalsToTeamFouls"] += boolean(rules.technicalsToTeamFouls);
    r["technicalsEject"] += std::to_string(rules.technicalsEject);
    r["oneAndOneFrom"] += std::to_string(rules.oneAndOneFrom);
    r["twoShotsFrom"] += std::to_string(rules.twoShotsFrom);
    appendJsonString(r["periods"], rules.halves ? "halves" : "quarters");
    appendJsonString(r["overtime"], kOvertimeWords[static_cast<std::size_t>(rules.overtime)]);
    r["overtimeTwoShotsFrom"] += std::to_string(rules.overtimeTwoShotsFrom);
}

// One play as JSON.
void appendPlay(std::string& out, const GameSnapshot& game, PlayRef ref,
                const std::array<std::string, kPlayers>& names) {
    const Rules& rules = game.matchup.details.rules;
    Members p(out);
    const auto common = [&](int number, const std::string& time, Quarter quarter, bool counted) {
        appendJsonString(p["side"], ref.theirs ? "them" : "us");
        p["number"] += std::to_string(number);
        appendJsonString(p["time"], time);
        appendJsonString(p["line"], quarterName(quarter));
        appendJsonString(p["period"], periodName(quarter, rules));
        p["counted"] += boolean(counted);
    };
    if (ref.theirs) {
        const OpponentPlay& play = game.matchup.opponent[static_cast<std::size_t>(ref.index)];
        common(play.number, play.time, play.quarter, play.counted);
        appendJsonString(p["what"], opponentWords(play));
        appendJsonString(p["note"], opponentNote(play));
        const std::string code = opponentCode(play);
        appendJsonString(p["code"], play.what == OpponentWhat::Set ? "set" : code);
        p["points"] += std::to_string(pointsOf(play.what));
        if (play.what == OpponentWhat::Set) p["figure"] += std::to_string(play.figure);
        return;
    }
    const Play& play = game.plays[static_cast<std::size_t>(ref.index)];
    common(play.number, play.time, play.quarter, play.counted);
    appendJsonString(p["what"], statWords(play.letter));
    appendJsonString(p["note"], playNote(play, names));
    p["button"] += std::to_string(play.player);
    const bool known = play.player >= 1 && play.player <= kPlayers;
    appendJsonString(p["name"], known ? names[play.player - 1] : std::string());
    appendAdds(p["adds"], play.letter);
    p["points"] += std::to_string(pointsOf(play.letter));
}

} // namespace

GameSnapshot snapshotOf(const Game& game, Quarter quarter) {
    return {contentsOf(game), game.matchup(), game.plays(), quarter};
}

std::string pageName(const std::string& typed, int player, PageNames names) {
    const std::string shown = buttonName(typed, player);
    if (names == PageNames::AsOnButtons || shown.empty()) return shown;
    std::size_t digits = 0;
    while (digits < shown.size() && shown[digits] >= '0' && shown[digits] <= '9')
        ++digits;
    return digits > 0 ? shown.substr(0, digits) : "#" + std::to_string(player);
}

void PlaysJson::append(std::string& out, const GameSnapshot& game,
                       const std::array<std::string, kPlayers>& names) {
    // What every play's text depends on beside the play itself.
    if (names != names_ || game.matchup.details.rules != rules_) {
        plays_.clear();
        names_ = names;
        rules_ = game.matchup.details.rules;
    }
    const std::vector<PlayRef> order = bothSidesInOrder(game.plays, game.matchup.opponent);
    std::size_t i = 0;
    for (const PlayRef ref : order) {
        if (i > 0) out += ',';
        const auto index = static_cast<std::size_t>(ref.index);
        Kept kept{ref.theirs,
                  ref.theirs ? Play{} : game.plays[index],
                  ref.theirs ? game.matchup.opponent[index] : OpponentPlay{},
                  {}};
        const bool same = i < plays_.size() && plays_[i].theirs == kept.theirs &&
                          plays_[i].ours == kept.ours && plays_[i].opponent == kept.opponent;
        if (!same) {
            appendPlay(kept.text, game, ref, names);
            if (i < plays_.size())
                plays_[i] = std::move(kept);
            else
                plays_.push_back(std::move(kept));
        }
        out += plays_[i].text;
        ++i;
    }
    plays_.resize(i);
}

std::string gameJson(const GameSnapshot& game, PageNames names, std::string_view updated,
                     PlaysJson* cache) {
    const GameDetails& details = game.matchup.details;
    const Rules& rules = details.rules;
    const SheetTexts& fields = game.contents.fields;
    std::array<std::string, kPlayers> shown;
    for (int n = 1; n <= kPlayers; ++n)
        shown[n - 1] = pageName(game.contents.names[n - 1], n, names);

    std::string out;
    out.reserve(4096 + game.plays.size() * 200);
    {
        Members g(out);
        appendJsonString(g["format"], "tallivant-game");
        g["version"] += "1";
        appendJsonString(g["updated"], updated);
        {
            Members d(g["details"]);
            appendJsonString(d["team"], details.team);
            appendJsonString(d["opponent"], details.opponent);
            appendJsonString(d["date"], details.date);
            appendJsonString(d["place"], details.place);
        }
        appendRules(g["rules"], rules);
        {
            Members s(g["sides"]);
            appendJsonString(s["us"], ourName(details));
            appendJsonString(s["them"], theirName(details));
        }
        {
            Members p(g["period"]);
            appendJsonString(p["line"], quarterName(game.quarter));
            appendJsonString(p["name"], periodName(game.quarter, rules));
            appendJsonString(p["short"], periodShort(game.quarter, rules));
        }
        {
            const GameScore score = gameScore(fields, game.matchup);
            Members s(g["score"]);
            s["us"] += formatCount(score.ours);
            s["them"] += std::to_string(score.theirs);
            std::string& periods = s["periods"];
            periods += '[';
            for (std::size_t i = 0; i < score.periods.size(); ++i) {
                if (i > 0) periods += ',';
                const PeriodScore& period = score.periods[i];
                Members ps(periods);
                appendJsonString(ps["line"], quarterName(period.quarter));
                appendJsonString(ps["name"], period.name);
                ps["us"] += formatCount(period.ours);
                ps["them"] += std::to_string(period.theirs);
            }
            periods += ']';
        }
        {
            Members f(g["teamFouls"]);
            for (const bool ours : {true, false}) {
                const TeamFouls fouls =
                    teamFouls(ours ? ourFoulsByQuarter(fields, rules)
                                   : opponentFoulsByQuarter(game.matchup.opponent),
                              game.quarter, rules);
                Members side(f[ours ? "us" : "them"]);
                side["count"] += std::to_string(fouls.count);
                appendJsonString(side["next"], nextWords(fouls.next));
            }
        }
        {
            std::string& columns = g["columns"];
            columns += '[';
            for (const BoxColumnInfo& column : kBoxColumnTable) {
                if (columns.back() != '[') columns += ',';
                appendJsonString(columns, column.header);
            }
            columns += ']';
        }
        {
            std::string& players = g["players"];
            players += '[';
            for (int n = 1; n <= kPlayers; ++n) {
                if (n > 1) players += ',';
                Members p(players);
                p["button"] += std::to_string(n);
                appendJsonString(p["name"], shown[n - 1]);
                appendJsonString(p["typed"], names == PageNames::AsOnButtons
                                                 ? game.contents.names[n - 1]
                                                 : shown[n - 1]);
                p["fouledOut"] += boolean(isFouledOut(fields, n, rules));
                appendBox(p["box"], game.contents, playerLine(n - 1));
            }
            players += ']';
        }
        {
            std::string& quarters = g["quarters"];
            quarters += '[';
            for (int q = 0; q < kQuarters; ++q) {
                if (q > 0) quarters += ',';
                const auto quarter = static_cast<Quarter>(q);
                Members line(quarters);
                appendJsonString(line["line"], quarterName(quarter));
                appendJsonString(line["name"], periodName(quarter, rules));
                appendBox(line["box"], game.contents, quarterLine(quarter));
            }
            quarters += ']';
        }
        appendBox(g["totals"], game.contents, kTotalsLine);
        std::string& plays = g["plays"];
        plays += '[';
        if (cache) {
            cache->append(plays, game, shown);
        } else {
            bool first = true;
            for (const PlayRef ref : bothSidesInOrder(game.plays, game.matchup.opponent)) {
                if (!first) plays += ',';
                first = false;
                appendPlay(plays, game, ref, shown);
            }
        }
        plays += ']';
    }
    out += '\n';
    return out;
}

std::string jsonString(std::string_view text) {
    std::string out;
    appendJsonString(out, text);
    return out;
}

void appendJsonString(std::string& out, std::string_view text) {
    // Bytes past ASCII are checked once for the whole text; the rest is copied a run at a time
    // up to each character that needs an escape.
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::string repaired;
    if (!ascii && !isValidUtf8(text)) text = repaired = repairUtf8(text);
    out += '"';
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool plain = byte >= 0x20 && byte != '"' && byte != '\\' && byte != '<' &&
                           byte != '>' && byte != '&';
        if (plain) continue;
        out.append(text.substr(from, i - from));
        from = i + 1;
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default: {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        }
        }
    }
    out.append(text.substr(from));
    out += '"';
}

} // namespace tallivant
