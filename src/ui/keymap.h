// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every key of every window as one table (key, window, action). The windows build their
// shortcuts from it, the Keys window lists it, and the sheet's keys found here reach the sheet
// from the Plays, Season and Keys windows and wait behind a box that only informs.
#pragma once

#include <array>

#include <QKeySequence>
#include <QList>
#include <string>
#include <string_view>

namespace tallivant::ui {

enum class KeyWindow { Sheet, Plays, Season, Keys };

enum class KeyAction {
    None,
    Stat,            // the stat of kStatButtons' row `arg`
    Name,            // the letter marked with "&" in a name selects that player
    Menu,            // opens a menu of the bar
    StartStop,       // the timeout clock's Start/Stop button
    UndoNewest,      // the newest entry of either side: an opponent play, else the Takeback
    Opponent,        // an opponent play: `arg` 0, 1, 2 points 1 to 3, 3 a team foul
    SaveOwn,         // saves the game to its own file
    NextQuarter,     // the quarter option after the one that is on (overtime stays)
    PreviousQuarter, // the one before it (the first stays)
    Remove,          // Plays: the selected plays leave the totals
    PutBack,         // Plays: the selected plays count again
    GiveTo,          // Plays: the selected plays go to another player
    MoveToQuarter,   // Plays: the selected plays go to another quarter
    Newest,          // Plays: the newest play, at the top
    Oldest,          // Plays: the oldest play, at the bottom
    Close,           // closes the window
};

struct KeyRow {
    // As QKeySequence reads it in its portable form ("Ctrl+PgDown"); for Name, a text for the
    // Keys window (marked for translation in the context "Keys"), since the letter is each
    // name's own.
    std::string_view keys;
    KeyWindow window;
    KeyAction action;
    int arg = 0;
    std::string_view what; // as the Keys window says it, in English (context "Keys")
};

inline constexpr int kKeyRows = 39;
extern const std::array<KeyRow, kKeyRows> kKeyMap;

// In English, marked for translation in the context "Keys".
std::string_view keyWindowName(KeyWindow window);

// The actions of the sheet that any of the program's windows passes on to it, and that wait
// behind a box that only informs.
bool actsOnSheet(KeyAction action);

// The keys of `action` in `window`, as shortcuts.
QList<QKeySequence> shortcutsOf(KeyWindow window, KeyAction action);

// The keys of `action` in `window`, joined as a button shows them ("Del", "Ctrl+B").
std::string keysOf(KeyWindow window, KeyAction action);

} // namespace tallivant::ui
