// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar as one table (titles, items, separator, the thirteen colours) and the nine
// instruction texts of Help|Instructions. Their words are marked for translation, in the
// contexts "Menus" and "Instructions", and translated where they are shown.
#pragma once

#include <array>
#include <string_view>

#include <QtGlobal>

#include "ui/commands.h"
#include "ui/keymap.h"

namespace tallivant::ui {

enum class MenuKind {
    Title, // a menu of the bar; the items after it belong to it
    Item,
    Separator,
    Colour, // sets the window's background
};

struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    MenuKind kind;
    Command command = nullptr; // for an Item
    unsigned colour = 0;       // for a Colour item
    // The item's keys in the keyboard map, which the menu shows beside it.
    KeyAction keys = KeyAction::None;
};

inline constexpr int kMenuEntries = 36;
extern const std::array<MenuEntry, kMenuEntries> kMenuTable;

inline constexpr std::string_view kInstructionsTitle =
    QT_TRANSLATE_NOOP("Instructions", "Instructions");
extern const std::array<std::string_view, 9> kInstructions;

} // namespace tallivant::ui
