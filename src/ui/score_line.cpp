// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/score_line.h"

#include <QCoreApplication>
#include <QStringList>

#include "sheet/numbers.h"
#include "ui/text.h"

namespace tallivant::ui {

namespace {

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
    const QString us = fromCore(ourName(details)), them = fromCore(theirName(details));
    const double ours = readLenient(game.text({kTotalsLine, PTS}));
    const int theirs = total(opponentPointsByQuarter(game.matchup().opponent));
    QStringList parts;
    // In one pass: a name that holds "%2" stays as it is.
    parts << QStringLiteral("%1 %2 : %3 %4")
                 .arg(us, q(formatCount(ours)), QString::number(theirs), them);
    parts << fromCore(periodShort(quarter, rules));

    const TeamFouls ourFouls = teamFouls(game.ourFoulsByQuarter(), quarter, rules);
    const char* fouls = QT_TRANSLATE_NOOP("Strip", "Team fouls %1");
    if (ourFouls.next == FreeThrows::Two)
        fouls = QT_TRANSLATE_NOOP("Strip", "Team fouls %1 (the next gives two shots)");
    else if (ourFouls.next == FreeThrows::OneAndOne)
        fouls = QT_TRANSLATE_NOOP("Strip", "Team fouls %1 (the next gives one-and-one)");
    parts << QCoreApplication::translate("Strip", fouls).arg(ourFouls.count);

    const TeamFouls theirFouls =
        teamFouls(opponentFoulsByQuarter(game.matchup().opponent), quarter, rules);
    // The opponent's name and its team fouls in the quarter.
    QString other = QStringLiteral("%1 %2");
    if (theirFouls.next == FreeThrows::Two)
        //: %1 is the opponent's name, %2 its team fouls
        other = QCoreApplication::translate("Strip", "%1 %2: we shoot two");
    else if (theirFouls.next == FreeThrows::OneAndOne)
        //: %1 is the opponent's name, %2 its team fouls
        other = QCoreApplication::translate("Strip", "%1 %2: we shoot one-and-one");
    parts << other.arg(them, QString::number(theirFouls.count));

    QStringList out;
    for (int player = 1; player <= kPlayers; ++player)
        if (game.isFouledOut(player)) out << playerName(game, player);
    if (!out.isEmpty())
        //: %1 lists the players, "6 Tess Kim, 9 Ana Ruiz"
        parts << QCoreApplication::translate("Strip", "Fouled out: %1")
                     .arg(out.join(QStringLiteral(", ")));
    return parts.join(QStringLiteral(" \u00B7 "));
}

QString undoneNews(const Game& game, const Game::UndoneEntry& undone) {
    switch (undone.kind) {
    case Game::Undone::Opponent: {
        // One sentence for each kind of play, so that each reads well in every language.
        const OpponentPlay& play = undone.opponent;
        const QString them = fromCore(theirName(game.matchup().details));
        const QString period = fromCore(periodName(play.quarter, game.rules()));
        switch (play.what) {
        case OpponentWhat::One:
            //: %1 is the opponent's name, %2 the period ("1st", "2nd half")
            return QCoreApplication::translate("Strip", "Undone: %1 1 point (%2)")
                .arg(them, period);
        case OpponentWhat::Two:
            //: %1 is the opponent's name, %2 the period ("1st", "2nd half")
            return QCoreApplication::translate("Strip", "Undone: %1 2 points (%2)")
                .arg(them, period);
        case OpponentWhat::Three:
            //: %1 is the opponent's name, %2 the period ("1st", "2nd half")
            return QCoreApplication::translate("Strip", "Undone: %1 3 points (%2)")
                .arg(them, period);
        case OpponentWhat::Foul:
            //: %1 is the opponent's name, %2 the period ("1st", "2nd half")
            return QCoreApplication::translate("Strip", "Undone: %1 team foul (%2)")
                .arg(them, period);
        case OpponentWhat::Set:
            //: %1 is the opponent's name, %2 their points, %3 the period ("1st", "2nd half")
            return QCoreApplication::translate("Strip", "Undone: %1 points set to %2 (%3)")
                .arg(them, QString::number(play.figure), period);
        }
        break;
    }
    case Game::Undone::Ours:
        //: %1 is the stat ("Rebound"), %2 the player ("6 Tess Kim")
        return QCoreApplication::translate("Strip", "Taken back: %1, %2")
            .arg(fromCore(statWords(undone.ours.letter)), playerName(game, undone.ours.player));
    case Game::Undone::Nothing:
        break;
    }
    return {};
}

QString fouledOutNews(const Game& game, int player) {
    //: %1 is the player ("6 Tess Kim")
    return QCoreApplication::translate("Strip", "%1 has fouled out").arg(playerName(game, player));
}

} // namespace tallivant::ui
