// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keymap.h"

#include <string>

#include <QtGlobal>

namespace tallivant::ui {

namespace {
using W = KeyWindow;
using A = KeyAction;
} // namespace

// The stat rows follow kStatButtons; their letters are those of the buttons' captions. The
// other windows' own keys are keys the sheet never uses and every laptop has without Fn: no
// Alt-letter (any letter may be a name's) and no key the sheet takes.
const std::array<KeyRow, kKeyRows> kKeyMap = {{
    {"Alt+C", W::Sheet, A::Stat, 0, QT_TRANSLATE_NOOP("Keys", "Field goal made")},
    {"Alt+V", W::Sheet, A::Stat, 1, QT_TRANSLATE_NOOP("Keys", "Field goal missed")},
    {"Alt+D", W::Sheet, A::Stat, 2, QT_TRANSLATE_NOOP("Keys", "Free throw made")},
    {"Alt+F", W::Sheet, A::Stat, 3, QT_TRANSLATE_NOOP("Keys", "Free throw missed")},
    {"Alt+E", W::Sheet, A::Stat, 4, QT_TRANSLATE_NOOP("Keys", "Three-pointer made")},
    {"Alt+R", W::Sheet, A::Stat, 5, QT_TRANSLATE_NOOP("Keys", "Three-pointer missed")},
    {"Alt+U", W::Sheet, A::Stat, 6, QT_TRANSLATE_NOOP("Keys", "Assist")},
    {"Alt+H", W::Sheet, A::Stat, 7, QT_TRANSLATE_NOOP("Keys", "Rebound")},
    {"Alt+N", W::Sheet, A::Stat, 8, QT_TRANSLATE_NOOP("Keys", "Turnover")},
    {"Alt+O", W::Sheet, A::Stat, 9, QT_TRANSLATE_NOOP("Keys", "Steal")},
    {"Alt+K", W::Sheet, A::Stat, 10, QT_TRANSLATE_NOOP("Keys", "Block")},
    {"Alt+M", W::Sheet, A::Stat, 11,
     QT_TRANSLATE_NOOP("Keys", "Personal foul (the player stays selected)")},
    {"Alt+T", W::Sheet, A::Stat, 12, QT_TRANSLATE_NOOP("Keys", "Technical foul")},
    {QT_TRANSLATE_NOOP("Keys", "Alt+the letter after & in a name"), W::Sheet, A::Name, 0,
     QT_TRANSLATE_NOOP("Keys", "Selects that player")},
    {"Ctrl+PgDown", W::Sheet, A::NextQuarter, 0, QT_TRANSLATE_NOOP("Keys", "Next quarter")},
    {"Alt+Right", W::Sheet, A::NextQuarter, 0, QT_TRANSLATE_NOOP("Keys", "Next quarter")},
    {"Ctrl+PgUp", W::Sheet, A::PreviousQuarter, 0, QT_TRANSLATE_NOOP("Keys", "Previous quarter")},
    {"Alt+Left", W::Sheet, A::PreviousQuarter, 0, QT_TRANSLATE_NOOP("Keys", "Previous quarter")},
    {"Alt+S", W::Sheet, A::StartStop, 0,
     QT_TRANSLATE_NOOP("Keys", "Starts or stops the timeout clock")},
    {"Ctrl+Z", W::Sheet, A::UndoNewest, 0,
     QT_TRANSLATE_NOOP("Keys", "Undoes the newest entry: an opponent play recorded since our last "
                               "stat, else our last stat")},
    {"Ctrl+1", W::Sheet, A::Opponent, 0, QT_TRANSLATE_NOOP("Keys", "The opponent scored 1 point")},
    {"Ctrl+2", W::Sheet, A::Opponent, 1, QT_TRANSLATE_NOOP("Keys", "The opponent scored 2 points")},
    {"Ctrl+3", W::Sheet, A::Opponent, 2, QT_TRANSLATE_NOOP("Keys", "The opponent scored 3 points")},
    {"Ctrl+M", W::Sheet, A::Opponent, 3, QT_TRANSLATE_NOOP("Keys", "An opponent team foul")},
    {"Ctrl+S", W::Sheet, A::SaveOwn, 0, QT_TRANSLATE_NOOP("Keys", "Saves the game to its file")},
    {"Alt+L", W::Sheet, A::Menu, 0, QT_TRANSLATE_NOOP("Keys", "File menu")},
    {"Alt+I", W::Sheet, A::Menu, 1, QT_TRANSLATE_NOOP("Keys", "Edit Roster menu")},
    {"Alt+G", W::Sheet, A::Menu, 2, QT_TRANSLATE_NOOP("Keys", "Color change menu")},
    {"Alt+Y", W::Sheet, A::Menu, 3, QT_TRANSLATE_NOOP("Keys", "Plays menu")},
    {"Alt+P", W::Sheet, A::Menu, 4, QT_TRANSLATE_NOOP("Keys", "Help menu")},
    {"Del", W::Plays, A::Remove, 0,
     QT_TRANSLATE_NOOP("Keys", "Remove: the selected plays leave the totals")},
    {"Ctrl+B", W::Plays, A::PutBack, 0,
     QT_TRANSLATE_NOOP("Keys", "Put back: the selected plays count again")},
    {"Ctrl+G", W::Plays, A::GiveTo, 0,
     QT_TRANSLATE_NOOP("Keys", "Give to: another player gets the selected plays")},
    {"Ctrl+Q", W::Plays, A::MoveToQuarter, 0,
     QT_TRANSLATE_NOOP("Keys", "Quarter: the selected plays go to another quarter")},
    {"Home", W::Plays, A::Newest, 0, QT_TRANSLATE_NOOP("Keys", "The newest play")},
    {"End", W::Plays, A::Oldest, 0, QT_TRANSLATE_NOOP("Keys", "The oldest play")},
    {"Esc", W::Plays, A::Close, 0, QT_TRANSLATE_NOOP("Keys", "Closes the window")},
    {"Esc", W::Season, A::Close, 0, QT_TRANSLATE_NOOP("Keys", "Closes the window")},
    {"Esc", W::Keys, A::Close, 0, QT_TRANSLATE_NOOP("Keys", "Closes the window")},
}};

std::string_view keyWindowName(KeyWindow window) {
    switch (window) {
    case W::Sheet:
        return QT_TRANSLATE_NOOP("Keys", "Sheet");
    case W::Plays:
        return QT_TRANSLATE_NOOP("Keys", "Plays");
    case W::Season:
        return QT_TRANSLATE_NOOP("Keys", "Season totals");
    case W::Keys:
        return QT_TRANSLATE_NOOP("Keys", "Keys");
    }
    return {};
}

bool actsOnSheet(KeyAction action) {
    switch (action) {
    case A::Stat:
    case A::Name:
    case A::StartStop:
    case A::UndoNewest:
    case A::Opponent:
    case A::SaveOwn:
    case A::NextQuarter:
    case A::PreviousQuarter:
        return true;
    default:
        return false;
    }
}

QList<QKeySequence> shortcutsOf(KeyWindow window, KeyAction action) {
    QList<QKeySequence> keys;
    for (const KeyRow& row : kKeyMap)
        if (row.window == window && row.action == action)
            keys << QKeySequence::fromString(QString::fromUtf8(row.keys.data(), row.keys.size()),
                                             QKeySequence::PortableText);
    return keys;
}

std::string keysOf(KeyWindow window, KeyAction action) {
    std::string keys;
    for (const KeyRow& row : kKeyMap) {
        if (row.window != window || row.action != action) continue;
        if (!keys.empty()) keys += ", ";
        keys += row.keys;
    }
    return keys;
}

} // namespace tallivant::ui
