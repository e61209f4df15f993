// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/matchup.h"

namespace tallivant {
namespace {

std::size_t quarterIndex(Quarter q) {
    return static_cast<std::size_t>(q);
}

} // namespace

int pointsOf(OpponentWhat what) {
    switch (what) {
    case OpponentWhat::One:
        return 1;
    case OpponentWhat::Two:
        return 2;
    case OpponentWhat::Three:
        return 3;
    default:
        return 0;
    }
}

int opponentPoints(const OpponentPlays& plays, Quarter quarter) {
    return opponentPointsByQuarter(plays)[quarterIndex(quarter)];
}

std::array<int, kQuarters> opponentPointsByQuarter(const OpponentPlays& plays) {
    std::array<int, kQuarters> points{};
    for (const OpponentPlay& p : plays) {
        const std::size_t q = quarterIndex(p.quarter);
        if (!p.counted || q >= points.size()) continue;
        if (p.what == OpponentWhat::Set)
            points[q] = p.figure;
        else
            points[q] += pointsOf(p.what);
    }
    return points;
}

std::array<int, kQuarters> opponentFoulsByQuarter(const OpponentPlays& plays) {
    std::array<int, kQuarters> fouls{};
    for (const OpponentPlay& p : plays) {
        const std::size_t q = quarterIndex(p.quarter);
        if (p.counted && p.what == OpponentWhat::Foul && q < fouls.size()) ++fouls[q];
    }
    return fouls;
}

std::string_view opponentWordsText(OpponentWhat what) {
    switch (what) {
    case OpponentWhat::One:
        return QT_TRANSLATE_NOOP("Core", "1 point");
    case OpponentWhat::Two:
        return QT_TRANSLATE_NOOP("Core", "2 points");
    case OpponentWhat::Three:
        return QT_TRANSLATE_NOOP("Core", "3 points");
    case OpponentWhat::Foul:
        return QT_TRANSLATE_NOOP("Core", "Team foul");
    case OpponentWhat::Set:
        //: the opponent's points in the quarter set to a figure: %1
        return QT_TRANSLATE_NOOP("Core", "Points set to %1");
    }
    return {};
}

std::string opponentWords(const OpponentPlay& play) {
    return filledIn(opponentWordsText(play.what), {std::to_string(play.figure)});
}

std::string opponentCode(const OpponentPlay& play) {
    switch (play.what) {
    case OpponentWhat::One:
        return "1";
    case OpponentWhat::Two:
        return "2";
    case OpponentWhat::Three:
        return "3";
    case OpponentWhat::Foul:
        return "foul";
    case OpponentWhat::Set:
        return "set " + std::to_string(play.figure);
    }
    return {};
}

bool readOpponentCode(std::string_view code, OpponentPlay& play) {
    if (code == "1" || code == "2" || code == "3") {
        play.what = static_cast<OpponentWhat>(code[0] - '1');
        play.figure = 0;
        return true;
    }
    if (code == "foul") {
        play.what = OpponentWhat::Foul;
        play.figure = 0;
        return true;
    }
    constexpr std::string_view kSet = "set ";
    if (!code.starts_with(kSet)) return false;
    const std::string_view digits = code.substr(kSet.size());
    if (digits.empty() || digits.size() > 4) return false;
    int n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    play.what = OpponentWhat::Set;
    play.figure = n;
    return true;
}

std::string ourName(const GameDetails& details) {
    return details.team.empty() ? kUs : details.team;
}

std::string theirName(const GameDetails& details) {
    return details.opponent.empty() ? kOpponent : details.opponent;
}

NoteParts opponentNoteParts(const OpponentPlay& play) {
    NoteParts parts;
    if (!play.counted) parts.push_back({QT_TRANSLATE_NOOP("Core", "taken back"), {}});
    if (play.fromQuarter)
        parts.push_back({QT_TRANSLATE_NOOP("Core", "from %1"),
                         std::string(quarterName(*play.fromQuarter)), true});
    return parts;
}

std::string opponentNote(const OpponentPlay& play) {
    return noteText(opponentNoteParts(play));
}

std::vector<PlayRef> bothSidesInOrder(const Plays& ours, const OpponentPlays& theirs) {
    std::vector<PlayRef> order;
    order.reserve(ours.size() + theirs.size());
    std::size_t t = 0;
    for (std::size_t o = 0; o < ours.size(); ++o) {
        for (; t < theirs.size() && theirs[t].after < ours[o].number; ++t)
            order.push_back({true, static_cast<int>(t)});
        order.push_back({false, static_cast<int>(o)});
    }
    for (; t < theirs.size(); ++t)
        order.push_back({true, static_cast<int>(t)});
    return order;
}

} // namespace tallivant
