// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The strip's words for the game as it stands: both sides' score, the period, the team fouls
// and what the next one gives under the game's rules, and who has fouled out; and its news of
// an entry undone or of a stat for a player who is out.
#pragma once

#include <QString>

#include "sheet/game.h"

namespace tallivant::ui {

// "Eagles 45 : 40 Hawks · Q3 · Team fouls 4 (the next gives two shots) · Hawks 5: we shoot two
// · Fouled out: 6 Tess Kim".
QString scoreLine(const Game& game, Quarter quarter);
// "Undone: Hawks 2 points (3rd)", "Taken back: Rebound, 5 Ana Ruiz", or nothing.
QString undoneNews(const Game& game, const Game::UndoneEntry& undone);
// "6 Tess Kim has fouled out".
QString fouledOutNews(const Game& game, int player);

} // namespace tallivant::ui
