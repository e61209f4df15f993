// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/menus.h"

#include <QtGlobal>

namespace tallivant::ui {

namespace {
using K = MenuKind;
using M = Commands;
} // namespace

const std::array<MenuEntry, kMenuEntries> kMenuTable = {{
    {"mnufile", QT_TRANSLATE_NOOP("Menus", "Fi&le"), K::Title},
    {"mnuFileNew", QT_TRANSLATE_NOOP("Menus", "New"), K::Item, &M::newGame},
    {"mnufileprint", QT_TRANSLATE_NOOP("Menus", "Print"), K::Item, &M::print},
    {"mnuFileOpen", QT_TRANSLATE_NOOP("Menus", "Open"), K::Item, &M::openGame},
    {"mnufilesave", QT_TRANSLATE_NOOP("Menus", "Save"), K::Item, &M::saveGame},
    {"mnufilepdf", QT_TRANSLATE_NOOP("Menus", "Save report as PDF"), K::Item, &M::saveReportAsPdf},
    {"mnufilecsv", QT_TRANSLATE_NOOP("Menus", "Export CSV"), K::Item, &M::exportCsv},
    {"mnufileseason", QT_TRANSLATE_NOOP("Menus", "Season totals"), K::Item, &M::seasonTotals},
    {"mnufilesameroster", QT_TRANSLATE_NOOP("Menus", "New game, same roster"), K::Item,
     &M::newGameSameRoster},
    {"mnufiledetails", QT_TRANSLATE_NOOP("Menus", "Game details..."), K::Item, &M::gameDetails},
    {"mnufileshare", QT_TRANSLATE_NOOP("Menus", "Share live..."), K::Item, &M::shareLive},
    {"mnubar", "-", K::Separator},
    {"mnuFileExit", QT_TRANSLATE_NOOP("Menus", "E&xit"), K::Item, &M::exit},
    {"mnuroster", QT_TRANSLATE_NOOP("Menus", "Ed&it Roster"), K::Title},
    {"mnurosterchange", QT_TRANSLATE_NOOP("Menus", "Edit roster"), K::Item, &M::editRoster},
    {"mnucolorchange", QT_TRANSLATE_NOOP("Menus", "Color chan&ge"), K::Title},
    {"mnured", QT_TRANSLATE_NOOP("Menus", "Red"), K::Colour, nullptr, 0x0000FF},
    {"mnugreen", QT_TRANSLATE_NOOP("Menus", "Green"), K::Colour, nullptr, 0x00FF00},
    {"mnupurple", QT_TRANSLATE_NOOP("Menus", "Purple"), K::Colour, nullptr, 0xFF00FF},
    {"mnublack", QT_TRANSLATE_NOOP("Menus", "Black"), K::Colour, nullptr, 0x000000},
    {"mnuyellow", QT_TRANSLATE_NOOP("Menus", "Yellow"), K::Colour, nullptr, 0x00FFFF},
    {"mnublue", QT_TRANSLATE_NOOP("Menus", "Blue"), K::Colour, nullptr, 0xFF8080},
    {"mnuwhite", QT_TRANSLATE_NOOP("Menus", "White"), K::Colour, nullptr, 0xFFFFFF},
    {"mnuorange", QT_TRANSLATE_NOOP("Menus", "Orange"), K::Colour, nullptr, 0x0080FF},
    {"mnudred", QT_TRANSLATE_NOOP("Menus", "Dark red"), K::Colour, nullptr, 0x0000C0},
    {"mnudgreen", QT_TRANSLATE_NOOP("Menus", "Dark green"), K::Colour, nullptr, 0x008000},
    {"mnudpurple", QT_TRANSLATE_NOOP("Menus", "Dark purple"), K::Colour, nullptr, 0x800080},
    {"mnudblue", QT_TRANSLATE_NOOP("Menus", "Dark blue"), K::Colour, nullptr, 0x800000},
    {"mnudorange", QT_TRANSLATE_NOOP("Menus", "Dark orange"), K::Colour, nullptr, 0x0040C0},
    {"mnuplays", QT_TRANSLATE_NOOP("Menus", "Pla&ys"), K::Title},
    {"mnushowplays", QT_TRANSLATE_NOOP("Menus", "Show plays"), K::Item, &M::showPlays},
    {"mnunextquarter", QT_TRANSLATE_NOOP("Menus", "Next quarter"), K::Item, &M::nextQuarter, 0,
     KeyAction::NextQuarter},
    {"mnupreviousquarter", QT_TRANSLATE_NOOP("Menus", "Previous quarter"), K::Item,
     &M::previousQuarter, 0, KeyAction::PreviousQuarter},
    {"Help", QT_TRANSLATE_NOOP("Menus", "Hel&p"), K::Title},
    {"Instructions", QT_TRANSLATE_NOOP("Menus", "Instructions"), K::Item, &M::showInstructions},
    {"mnukeys", QT_TRANSLATE_NOOP("Menus", "Keys"), K::Item, &M::showKeys},
}};

const std::array<std::string_view, 9> kInstructions = {
    QT_TRANSLATE_NOOP(
        "Instructions",
        "If you are going to run two copies of tallivant at once set the windows taskbar to "
        "'always on top' by selecting the windows 'start' button then 'settings' then "
        "'taskbar' then 'always on top' "),
    QT_TRANSLATE_NOOP("Instructions", "Click for instructions message 1 of 4"),
    QT_TRANSLATE_NOOP(
        "Instructions",
        "Set your screen resolution to 800 x 600 or greater.  To do this:From the windows "
        "desktop select the 'start' button.  Select 'settings'.  Select 'control panel'. "
        "Double-click on the 'display' icon in the control panel.  Select the 'settings' "
        "tab. Set the screen area to 800 x 600 or greater."),
    QT_TRANSLATE_NOOP("Instructions", "Click for instructions message 2 of 4"),
    QT_TRANSLATE_NOOP(
        "Instructions",
        "To start with enter the team roster by selecting File|New from the file menu.  A "
        "prompt appears for you to enter 12 player names one-at-a-time.  If you don't have "
        "12 players just press enter for the remaining players.  When you are ready to enter "
        "stats, select the player first by clicking once on his name and then clicking once "
        "on the appropriate stat button.  The changes are made in the appropriate boxes."),
    QT_TRANSLATE_NOOP("Instructions", "Click for instructions message 3 of 4"),
    QT_TRANSLATE_NOOP(
        "Instructions",
        "If you make a mistake click once on the 'takeback' button.  It will undo the last "
        "stat you entered."),
    QT_TRANSLATE_NOOP("Instructions", "Click for instructions message 4 of 4"),
    QT_TRANSLATE_NOOP(
        "Instructions",
        "If you need to edit the roster select 'Edit Roster' then 'Edit roster'. You do not "
        "have to retype every name.  If you want to keep a name the way it is just click "
        "'o.k.'.  The empty boxes to the left of each player's name is used to show who is "
        "on the floor currently.  Checked means the player is on the floor."),
};

} // namespace tallivant::ui
