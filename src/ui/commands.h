// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window does for its menu items and its panel's buttons: each row of the menu and
// panel tables names the command it runs, and the window connects it where it builds the row.
#pragma once

namespace tallivant::ui {

class Commands {
public:
    virtual ~Commands() = default;
    virtual void newGame() = 0;
    virtual void print() = 0;
    virtual void openGame() = 0;
    virtual void saveGame() = 0;
    virtual void saveReportAsPdf() = 0;
    virtual void exportCsv() = 0;
    virtual void seasonTotals() = 0;
    virtual void newGameSameRoster() = 0;
    virtual void gameDetails() = 0;
    virtual void shareLive() = 0;
    virtual void exit() = 0;
    virtual void editRoster() = 0;
    virtual void showInstructions() = 0;
    virtual void showPlays() = 0;
    virtual void nextQuarter() = 0;
    virtual void previousQuarter() = 0;
    virtual void showKeys() = 0;
    virtual void takeback() = 0;
    virtual void startStopClock() = 0;
    virtual void resetClock() = 0;
};

// A row's command: a member of Commands, nothing for a row that runs none.
using Command = void (Commands::*)();

} // namespace tallivant::ui
