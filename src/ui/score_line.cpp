// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/score_line.h"

#include <QStringList>

#include "sheet/numbers.h"

namespace tallivant::ui {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString playerName(const Game& game, int player) {
    return q(shownName(game.name(player), player));
}

int total(const std::array<int, kQuarters>& byQuarter) {
    int sum = 0;
    for (const int n : byQuarter)
        sum += n;
    return sum;
}

} // namespace

QString scoreLine(const Game& game, Quarter quarter) {
    const GameDetails& details = game.matchup().details;
    const Rules& rules = details.rules;
    const QString us = q(ourName(details)), them = q(theirName(details));
    const double ours = readLenient(game.text({kTotalsLine, PTS}));
    const int theirs = total(opponentPointsByQuarter(game.matchup().opponent));
    QStringList parts;
    parts
        << QStringLiteral("%1 %2 : %3 %4").arg(us).arg(q(formatCount(ours))).arg(theirs).arg(them);
    parts << q(periodShort(quarter, rules));

    const TeamFouls ourFouls = teamFouls(game.ourFoulsByQuarter(), quarter, rules);
    QString fouls = QStringLiteral("Team fouls %1").arg(ourFouls.count);
    if (ourFouls.next == FreeThrows::Two)
        fouls += QStringLiteral(" (the next gives two shots)");
    else if (ourFouls.next == FreeThrows::OneAndOne)
        fouls += QStringLiteral(" (the next gives one-and-one)");
    parts << fouls;

    const TeamFouls theirFouls =
        teamFouls(opponentFoulsByQuarter(game.matchup().opponent), quarter, rules);
    QString other = QStringLiteral("%1 %2").arg(them).arg(theirFouls.count);
    if (theirFouls.next == FreeThrows::Two)
        other += QStringLiteral(": we shoot two");
    else if (theirFouls.next == FreeThrows::OneAndOne)
        other += QStringLiteral(": we shoot one-and-one");
    parts << other;

    QStringList out;
    for (int player = 1; player <= kPlayers; ++player)
        if (game.isFouledOut(player)) out << playerName(game, player);
    if (!out.isEmpty()) parts << QStringLiteral("Fouled out: ") + out.join(QStringLiteral(", "));
    return parts.join(QStringLiteral(" \u00B7 "));
}

QString undoneNews(const Game& game, const Game::UndoneEntry& undone) {
    const Rules& rules = game.rules();
    switch (undone.kind) {
    case Game::Undone::Opponent:
        return QStringLiteral("Undone: %1 %2 (%3)")
            .arg(q(theirName(game.matchup().details)), q(opponentWords(undone.opponent)).toLower(),
                 q(periodName(undone.opponent.quarter, rules)));
    case Game::Undone::Ours:
        return QStringLiteral("Taken back: %1, %2")
            .arg(QString::fromUtf8(statWords(undone.ours.letter)),
                 playerName(game, undone.ours.player));
    case Game::Undone::Nothing:
        break;
    }
    return {};
}

QString fouledOutNews(const Game& game, int player) {
    return QStringLiteral("%1 has fouled out").arg(playerName(game, player));
}

} // namespace tallivant::ui
