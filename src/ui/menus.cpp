// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/menus.h"

namespace tallivant::ui {

namespace {
using K = MenuKind;
using M = Commands;
} // namespace

const std::array<MenuEntry, kMenuEntries> kMenuTable = {{
    {"mnufile", "Fi&le", K::Title},
    {"mnuFileNew", "New", K::Item, &M::newGame},
    {"mnufileprint", "Print", K::Item, &M::print},
    {"mnuFileOpen", "Open", K::Item, &M::openGame},
    {"mnufilesave", "Save", K::Item, &M::saveGame},
    {"mnufilepdf", "Save report as PDF", K::Item, &M::saveReportAsPdf},
    {"mnufilecsv", "Export CSV", K::Item, &M::exportCsv},
    {"mnufileseason", "Season totals", K::Item, &M::seasonTotals},
    {"mnufilesameroster", "New game, same roster", K::Item, &M::newGameSameRoster},
    {"mnufiledetails", "Game details...", K::Item, &M::gameDetails},
    {"mnufileshare", "Share live...", K::Item, &M::shareLive},
    {"mnubar", "-", K::Separator},
    {"mnuFileExit", "E&xit", K::Item, &M::exit},
    {"mnuroster", "Ed&it Roster", K::Title},
    {"mnurosterchange", "Edit roster", K::Item, &M::editRoster},
    {"mnucolorchange", "Color chan&ge", K::Title},
    {"mnured", "Red", K::Colour, nullptr, 0x0000FF},
    {"mnugreen", "Green", K::Colour, nullptr, 0x00FF00},
    {"mnupurple", "Purple", K::Colour, nullptr, 0xFF00FF},
    {"mnublack", "Black", K::Colour, nullptr, 0x000000},
    {"mnuyellow", "Yellow", K::Colour, nullptr, 0x00FFFF},
    {"mnublue", "Blue", K::Colour, nullptr, 0xFF8080},
    {"mnuwhite", "White", K::Colour, nullptr, 0xFFFFFF},
    {"mnuorange", "Orange", K::Colour, nullptr, 0x0080FF},
    {"mnudred", "Dark red", K::Colour, nullptr, 0x0000C0},
    {"mnudgreen", "Dark green", K::Colour, nullptr, 0x008000},
    {"mnudpurple", "Dark purple", K::Colour, nullptr, 0x800080},
    {"mnudblue", "Dark blue", K::Colour, nullptr, 0x800000},
    {"mnudorange", "Dark orange", K::Colour, nullptr, 0x0040C0},
    {"mnuplays", "Pla&ys", K::Title},
    {"mnushowplays", "Show plays", K::Item, &M::showPlays},
    {"mnunextquarter", "Next quarter", K::Item, &M::nextQuarter, 0, KeyAction::NextQuarter},
    {"mnupreviousquarter", "Previous quarter", K::Item, &M::previousQuarter, 0,
     KeyAction::PreviousQuarter},
    {"Help", "Hel&p", K::Title},
    {"Instructions", "Instructions", K::Item, &M::showInstructions},
    {"mnukeys", "Keys", K::Item, &M::showKeys},
}};

const std::array<std::string_view, 9> kInstructions = {
    "If you are going to run two copies of tallivant at once set the windows taskbar to 'always "
    "on top' by selecting the windows 'start' button then 'settings' then 'taskbar' then "
    "'always on top' ",
    "Click for instructions message 1 of 4",
    "Set your screen resolution to 800 x 600 or greater.  To do this:From the windows desktop "
    "select the 'start' button.  Select 'settings'.  Select 'control panel'. Double-click on the "
    "'display' icon in the control panel.  Select the 'settings' tab. Set the screen area to 800 "
    "x 600 or greater.",
    "Click for instructions message 2 of 4",
    "To start with enter the team roster by selecting File|New from the file menu.  A prompt "
    "appears for you to enter 12 player names one-at-a-time.  If you don't have 12 players just "
    "press enter for the remaining players.  When you are ready to enter stats, select the "
    "player first by clicking once on his name and then clicking once on the appropriate stat "
    "button.  The changes are made in the appropriate boxes.",
    "Click for instructions message 3 of 4",
    "If you make a mistake click once on the 'takeback' button.  It will undo the last stat you "
    "entered.",
    "Click for instructions message 4 of 4",
    "If you need to edit the roster select 'Edit Roster' then 'Edit roster'. You do not have to "
    "retype every name.  If you want to keep a name the way it is just click 'o.k.'.  The empty "
    "boxes to the left of each player's name is used to show who is on the floor currently.  "
    "Checked means the player is on the floor.",
};

} // namespace tallivant::ui
