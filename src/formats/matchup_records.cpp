// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/matchup_records.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "formats/encoding.h"
#include "formats/saved_game.h"
#include "sheet/plays.h"

namespace tallivant {
namespace {

constexpr std::string_view kOpponentRecord = "Opponent";
constexpr std::string_view kDetailsRecord = "Details";
// The record's name and seven values; an eighth, the play of ours it came after, keeps the
// order of both sides within a second (files without it place it by its time).
constexpr std::size_t kOldOpponentValues = 7;
constexpr std::size_t kOpponentValues = 8;
constexpr std::size_t kDetailsValues = 15;
constexpr std::string_view kCounted = "counted";
constexpr std::string_view kTakenBack = "taken back";
constexpr std::array<std::string_view, 3> kOvertimeCodes = {"with last", "own", "keeps penalty"};

void appendRecord(std::string& out, std::string_view name, const std::vector<std::string>& values) {
    out += '"';
    out += name;
    out += '"';
    for (const std::string& v : values) {
        out += ",\"";
        out += v;
        out += '"';
    }
    out += "\r\n";
}

std::string yesNo(bool b) {
    return b ? "yes" : "no";
}

std::vector<std::string> opponentValues(const OpponentPlay& p, bool longest) {
    return {std::to_string(p.number),
            p.time,
            std::string(longest ? std::string_view("1st") : quarterName(p.quarter)),
            opponentCode(p),
            std::string(longest || !p.counted ? kTakenBack : kCounted),
            std::string(longest         ? std::string_view("1st")
                        : p.fromQuarter ? quarterName(*p.fromQuarter)
                                        : std::string_view()),
            std::to_string(std::max(p.after, 0))};
}

std::vector<std::string> detailsValues(const GameDetails& d) {
    const Rules& r = d.rules;
    return {percentEscaped(d.team),
            percentEscaped(d.opponent),
            percentEscaped(d.date),
            percentEscaped(d.place),
            percentEscaped(rulesName(r.preset)),
            std::to_string(r.foulOut),
            yesNo(r.technicalsToFoulOut),
            yesNo(r.technicalsToTeamFouls),
            std::to_string(r.technicalsEject),
            std::to_string(r.oneAndOneFrom),
            std::to_string(r.twoShotsFrom),
            r.halves ? "halves" : "quarters",
            std::string(kOvertimeCodes[static_cast<std::size_t>(r.overtime)]),
            std::to_string(r.overtimeTwoShotsFrom)};
}

std::optional<OpponentPlay> opponentOf(const std::vector<std::string>& v) {
    OpponentPlay p;
    const auto number = plainNumber(v[1]);
    const auto quarter = quarterNamed(v[3]);
    if (!number || !isTimeOfDay(v[2]) || !quarter || !readOpponentCode(v[4], p) ||
        (v[5] != kCounted && v[5] != kTakenBack))
        return std::nullopt;
    p.number = *number;
    p.time = v[2];
    p.quarter = *quarter;
    p.counted = v[5] == kCounted;
    if (!v[6].empty()) {
        p.fromQuarter = quarterNamed(v[6]);
        if (!p.fromQuarter || *p.fromQuarter == p.quarter) return std::nullopt;
    }
    p.after = -1;
    if (v.size() > kOldOpponentValues) {
        const auto after = plainNumber(v[7]);
        if (!after) return std::nullopt;
        p.after = *after;
    }
    return p;
}

// Rules as the record gives them; the preset's own where a number is not one.
std::optional<Rules> rulesOf(const std::vector<std::string>& v) {
    Rules r;
    r.preset = RulesPreset::Custom;
    for (int i = 0; i < kRulesPresets; ++i)
        if (rulesName(static_cast<RulesPreset>(i)) == percentUnescaped(v[5]))
            r.preset = static_cast<RulesPreset>(i);
    const auto flag = [](const std::string& s) -> std::optional<bool> {
        if (s == "yes") return true;
        if (s == "no") return false;
        return std::nullopt;
    };
    const auto foulOut = plainNumber(v[6]), eject = plainNumber(v[9]),
               oneAndOne = plainNumber(v[10]), two = plainNumber(v[11]),
               overtimeTwo = plainNumber(v[14]);
    const auto toFoulOut = flag(v[7]), toTeam = flag(v[8]);
    std::optional<int> overtime;
    for (std::size_t i = 0; i < kOvertimeCodes.size(); ++i)
        if (v[13] == kOvertimeCodes[i]) overtime = static_cast<int>(i);
    if (!foulOut || !eject || !oneAndOne || !two || !overtimeTwo || !toFoulOut || !toTeam ||
        !overtime || (v[12] != "halves" && v[12] != "quarters"))
        return std::nullopt;
    r.foulOut = *foulOut;
    r.technicalsToFoulOut = *toFoulOut;
    r.technicalsToTeamFouls = *toTeam;
    r.technicalsEject = *eject;
    r.oneAndOneFrom = *oneAndOne;
    r.twoShotsFrom = *two;
    r.halves = v[12] == "halves";
    r.overtime = static_cast<OvertimeFouls>(*overtime);
    r.overtimeTwoShotsFrom = *overtimeTwo;
    if (!rulesValid(r)) return std::nullopt;
    // A preset whose numbers were changed by hand is the scorer's own.
    if (!holdsPresetNumbers(r)) r.preset = RulesPreset::Custom;
    return r;
}

} // namespace

std::string detailsText(const Matchup& matchup) {
    std::string out;
    // With opponent plays, always: an older reader must stop before our plays.
    if (!matchup.empty() || matchup.details.rules != Rules{})
        appendRecord(out, kDetailsRecord, detailsValues(matchup.details));
    return out;
}

std::string opponentText(const Matchup& matchup) {
    std::string out;
    for (const OpponentPlay& p : matchup.opponent)
        appendRecord(out, kOpponentRecord, opponentValues(p, false));
    return out;
}

std::string afterGameText(std::string_view quarterAndPlays, const Matchup& matchup) {
    const std::string details = detailsText(matchup);
    std::string out;
    out.reserve(quarterAndPlays.size() + details.size() + 64 * matchup.opponent.size());
    // After the quarter's line, which the plays' text starts with when it is not empty.
    const std::size_t quarter = quarterAndPlays.find("\r\n");
    const std::size_t at = quarter == std::string_view::npos ? 0 : quarter + 2;
    out += quarterAndPlays.substr(0, at);
    out += details;
    out += quarterAndPlays.substr(at);
    out += opponentText(matchup);
    return out;
}

std::size_t longestMatchupText(const Matchup& matchup) {
    std::size_t size = 0;
    const auto record = [&](std::string_view name, const std::vector<std::string>& values) {
        size += name.size() + 4;
        for (const std::string& v : values)
            size += v.size() + 3;
    };
    for (const OpponentPlay& p : matchup.opponent)
        record(kOpponentRecord, opponentValues(p, true));
    record(kDetailsRecord, detailsValues(matchup.details));
    return size;
}

bool readMatchupRecord(const std::vector<std::string>& record, Matchup& matchup, bool& leftOut) {
    if (record.empty()) return false;
    if (record[0] == kOpponentRecord) {
        const bool sized = record.size() == kOpponentValues || record.size() == kOldOpponentValues;
        const auto play = sized ? opponentOf(record) : std::nullopt;
        const int last = matchup.opponent.empty() ? 0 : matchup.opponent.back().after;
        const int expected = static_cast<int>(matchup.opponent.size()) + 1;
        // Numbered 1, 2, … and each after the same play of ours as the one before, or a later one.
        if (play && play->number == expected && (play->after < 0 || play->after >= last))
            matchup.opponent.push_back(*play);
        else
            leftOut = true;
        return true;
    }
    if (record[0] == kDetailsRecord) {
        if (record.size() < kDetailsValues) return true;
        GameDetails& d = matchup.details;
        d.team = percentUnescaped(record[1]);
        d.opponent = percentUnescaped(record[2]);
        d.date = percentUnescaped(record[3]);
        d.place = percentUnescaped(record[4]);
        if (const auto rules = rulesOf(record)) d.rules = *rules;
        return true;
    }
    return false;
}

} // namespace tallivant
