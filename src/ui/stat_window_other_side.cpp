// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet's window: the other side of the game (its keys, Ctrl+Z, the details box) and the
// strip's score line.
#include "ui/details_box.h"
#include "ui/score_line.h"
#include "ui/stat_window.h"
#include "ui/strip.h"

namespace tallivant::ui {

void StatWindow::undoNewest() {
    const Game::UndoneEntry undone = session_.undoNewest();
    if (undone.kind != Game::Undone::Nothing) strip_->tell(undoneNews(game_, undone));
}

void StatWindow::recordOpponent(int arg) {
    static constexpr std::array<OpponentWhat, 4> kWhat = {OpponentWhat::One, OpponentWhat::Two,
                                                          OpponentWhat::Three, OpponentWhat::Foul};
    if (arg < 0 || arg >= static_cast<int>(kWhat.size())) return;
    session_.recordOpponent(kWhat[static_cast<std::size_t>(arg)], currentQuarter());
}

void StatWindow::showScore() {
    if (strip_) strip_->setGame(scoreLine(game_, currentQuarter()));
}

void StatWindow::gameDetails() {
    DetailsBox box(game_.matchup().details, opponentPointsByQuarter(game_.matchup().opponent),
                   this);
    if (box.exec() != QDialog::Accepted) return;
    session_.setDetails(box.details(), box.points());
}

} // namespace tallivant::ui
