// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's other side: its details, the opponent's plays and their corrections, the undo of
// the newest entry of either side, and the fouls the rules judge.
#include <algorithm>

#include "sheet/game.h"
#include "sheet/numbers.h"

namespace tallivant {

void Game::setDetails(GameDetails details) {
    if (details == matchup_.details) return;
    matchup_.details = std::move(details);
    setUnsaved(true);
    if (listener_) listener_->playsChanged();
}

void Game::setMatchup(Matchup matchup) {
    matchup_ = std::move(matchup);
    // After the last of ours recorded at or before it; at the same second, ours first.
    std::size_t ours = 0;
    for (OpponentPlay& p : matchup_.opponent) {
        if (p.after >= 0) continue;
        while (ours < plays_.size() && plays_[ours].time <= p.time)
            ++ours;
        p.after = ours == 0 ? 0 : plays_[ours - 1].number;
    }
    if (listener_) listener_->playsChanged();
}

void Game::recordOpponent(OpponentWhat what, Quarter quarter, int figure) {
    const int q = static_cast<int>(quarter);
    if (q < 0 || q >= kQuarters) return;
    OpponentPlay play;
    const OpponentPlays& list = matchup_.opponent;
    play.number = list.empty() ? 1 : list.back().number + 1;
    play.time = now();
    play.quarter = quarter;
    play.what = what;
    play.figure = what == OpponentWhat::Set ? figure : 0;
    play.after = plays_.empty() ? 0 : plays_.back().number;
    matchup_.opponent.push_back(std::move(play));
    setUnsaved(true);
    if (listener_) listener_->playsChanged();
}

bool Game::correctOpponent(const std::vector<int>& indices,
                           const std::function<void(OpponentPlay&)>& edit) {
    bool any = false;
    for (const int i : indices) {
        if (i < 0 || static_cast<std::size_t>(i) >= matchup_.opponent.size()) continue;
        OpponentPlay& play = matchup_.opponent[i];
        const OpponentPlay before = play;
        edit(play);
        any = any || play != before;
    }
    if (any) {
        setUnsaved(true);
        if (listener_) listener_->playsChanged();
    }
    return any;
}

bool Game::removeOpponentPlays(const std::vector<int>& indices) {
    return correctOpponent(indices, [](OpponentPlay& p) { p.counted = false; });
}

bool Game::putBackOpponentPlays(const std::vector<int>& indices) {
    return correctOpponent(indices, [](OpponentPlay& p) { p.counted = true; });
}

bool Game::moveOpponentPlays(const std::vector<int>& indices, Quarter quarter) {
    const int q = static_cast<int>(quarter);
    if (q < 0 || q >= kQuarters) return false;
    return correctOpponent(indices, [quarter](OpponentPlay& p) {
        if (p.quarter == quarter) return;
        if (!p.fromQuarter) p.fromQuarter = p.quarter;
        p.quarter = quarter;
        if (p.fromQuarter == quarter) p.fromQuarter.reset();
    });
}

Game::UndoneEntry Game::undoNewest() {
    UndoneEntry undone;
    const OpponentPlays& list = matchup_.opponent;
    // Of the opponent plays recorded since our last stat, the newest still counted (one removed
    // in the Plays window meanwhile is passed over).
    const int ours = plays_.empty() ? 0 : plays_.back().number;
    for (std::size_t i = list.size(); i > 0 && list[i - 1].after >= ours; --i) {
        if (!list[i - 1].counted) continue;
        removeOpponentPlays({static_cast<int>(i - 1)});
        undone.kind = Undone::Opponent;
        undone.opponent = list[i - 1];
        return undone;
    }
    const bool counted = !plays_.empty() && plays_.back().counted;
    takeback();
    if (counted && !plays_.back().counted) {
        undone.kind = Undone::Ours;
        undone.ours = plays_.back();
    }
    return undone;
}

std::array<int, kQuarters> ourFoulsByQuarter(const SheetTexts& fields, const Rules& rules) {
    std::array<int, kQuarters> fouls{};
    for (int q = 0; q < kQuarters; ++q) {
        const int line = quarterLine(static_cast<Quarter>(q));
        double n = readLenient(fields[Field{line, PF}.id()]);
        if (rules.technicalsToTeamFouls) n += readLenient(fields[Field{line, TF}.id()]);
        fouls[static_cast<std::size_t>(q)] = n > 0 ? static_cast<int>(n) : 0;
    }
    return fouls;
}

bool isFouledOut(const SheetTexts& fields, int player, const Rules& rules) {
    if (player < 1 || player > kPlayers) return false;
    const int line = playerLine(player - 1);
    return isFouledOut(static_cast<int>(readLenient(fields[Field{line, PF}.id()])),
                       static_cast<int>(readLenient(fields[Field{line, TF}.id()])), rules);
}

std::array<int, kQuarters> Game::ourFoulsByQuarter() const {
    return tallivant::ourFoulsByQuarter(fields_, rules());
}

bool Game::isFouledOut(int player) const {
    return tallivant::isFouledOut(fields_, player, rules());
}

std::string Game::fouledOutLine(int player) const {
    const int line = playerLine(player - 1);
    const std::string reason =
        foulOutReason(static_cast<int>(readLenient(text({line, PF}))),
                      static_cast<int>(readLenient(text({line, TF}))), rules(), translate_);
    //: %1 is why the player is out: "FIBA: 5 fouls" or "2 technical fouls"
    return filledIn(shown(QT_TRANSLATE_NOOP("Core", "Fouled out (%1)")), {reason});
}

std::string Game::foulTroubleText(const std::string& fouls, int player, bool out) const {
    //: %1 is the number of personal fouls the player has
    const std::string text =
        filledIn(shown(QT_TRANSLATE_NOOP("Core", "The player has %1")), {fouls});
    return out ? text + "\n" + fouledOutLine(player) : text;
}

std::string Game::foulTroubleText(int player, bool wasOut) const {
    return foulTroubleText(this->text({playerLine(player - 1), PF}), player,
                           !wasOut && isFouledOut(player));
}

} // namespace tallivant
