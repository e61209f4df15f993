// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The path Tab and Shift+Tab take through the window: the thirteen stat buttons, Takeback,
// the quarters, Start and Reset, the timeout boxes, the possession, then each player's
// on-the-floor box and name button. The 306 stat fields are not on it, and an option group is
// one stop (at its checked button) inside which the arrow keys move.
#pragma once

class QWidget;

namespace tallivant::ui {

// Orders the controls of the client area, found by their names, into that path.
void setUpTabChain(QWidget* area);

} // namespace tallivant::ui
