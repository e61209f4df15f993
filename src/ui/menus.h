// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar as one table (titles, items, separator, the thirteen colours) and the nine
// instruction texts of Help|Instructions.
#pragma once

#include <array>
#include <string_view>

namespace tallivant::ui {

enum class MenuCommand {
    Title, // a menu of the bar; the items after it belong to it
    FileNew,
    FilePrint,
    FileOpen,
    FileSave,
    Separator,
    Exit,
    EditRoster,
    Colour,
    Instructions,
};

struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    MenuCommand command;
    unsigned colour; // 0x00BBGGRR, for Colour items
};

inline constexpr int kMenuEntries = 25;
extern const std::array<MenuEntry, kMenuEntries> kMenuTable;

inline constexpr std::string_view kInstructionsTitle = "Instructions";
extern const std::array<std::string_view, 9> kInstructions;

} // namespace tallivant::ui
