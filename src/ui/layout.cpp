// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/layout.h"

#include <QCoreApplication>

#include "ui/colours.h"
#include "ui/text.h"

namespace tallivant::ui {

namespace {
using K = PanelKind;
using R = PanelRole;
using P = Commands;
constexpr unsigned kDefault = kToolkitDefault;
} // namespace

const std::array<StatButton, kStats> kStatButtons = {{
    {"cmdfgm", "&c--FG", 0, 1080, 1215, 255, kVeryLightGrey,
     QT_TRANSLATE_NOOP("Sheet", "Field goal made")},
    {"cmdfgmiss", "&v--FG ", 1320, 1080, 735, 255, kWhite,
     QT_TRANSLATE_NOOP("Sheet", "Field goal missed")},
    {"cmdftm", "&d--FT", 0, 720, 1215, 255, kVeryLightGrey,
     QT_TRANSLATE_NOOP("Sheet", "Free throw made")},
    {"cmdftmiss", "&f--FT", 1320, 720, 735, 255, kWhite,
     QT_TRANSLATE_NOOP("Sheet", "Free throw missed")},
    {"cmd3pm", "&e--3PT ", 0, 360, 1215, 255, kVeryLightGrey,
     QT_TRANSLATE_NOOP("Sheet", "Three-pointer made")},
    {"cmd3pmiss", "&r--3PT", 1320, 360, 735, 255, kWhite,
     QT_TRANSLATE_NOOP("Sheet", "Three-pointer missed")},
    {"cmdast", "&u--AST", 2400, 0, 735, 375, kVeryLightGrey, QT_TRANSLATE_NOOP("Sheet", "Assist")},
    {"cmdreb", "&h--Reb", 3360, 0, 735, 375, kWhite, QT_TRANSLATE_NOOP("Sheet", "Rebound")},
    {"cmdto", "&n--T Over", 4320, 0, 975, 255, kVeryLightGrey,
     QT_TRANSLATE_NOOP("Sheet", "Turnover")},
    {"cmdstl", "&o--STL", 2400, 840, 735, 375, kVeryLightGrey, QT_TRANSLATE_NOOP("Sheet", "Steal")},
    {"cmdblk", "&k--BLK", 3360, 600, 735, 255, kWhite, QT_TRANSLATE_NOOP("Sheet", "Block")},
    {"cmdpf", "&m-P Foul", 4440, 480, 975, 255, kVeryLightGrey,
     QT_TRANSLATE_NOOP("Sheet", "Personal foul")},
    {"cmdtf", "&t--T Foul", 4440, 960, 855, 255, kVeryLightGrey,
     QT_TRANSLATE_NOOP("Sheet", "Technical foul")},
}};

const std::array<PanelControl, kPanelControls> kPanelTable = {{
    {K::Label, "Label8", QT_TRANSLATE_NOOP("Sheet", "MADE"), 360, 0, 615, 255, kWhite, false},
    {K::Label, "Label12", QT_TRANSLATE_NOOP("Sheet", "MISSED"), 1320, 0, 855, 255, kWhite, false},
    {K::Label, "Label9", QT_TRANSLATE_NOOP("Sheet", "Current   Qtr  OT"), 5640, 0, 1575, 255,
     kLightGrey, false},
    {K::QuarterOption, "opt1stqtr", "", 5640, 360, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "First quarter")},
    {K::QuarterOption, "opt2ndqtr", "", 6000, 360, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "Second quarter")},
    {K::QuarterOption, "opt3rdqtr", "", 6360, 360, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "Third quarter")},
    {K::QuarterOption, "opt4thqtr", "", 6720, 360, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "Fourth quarter")},
    {K::QuarterOption, "optot", "", 7080, 0, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "Overtime")},
    {K::Button, "cmdtakeback", QT_TRANSLATE_NOOP("Sheet", "Takeback"), 5760, 720, 1215, 375, kWhite,
     false, QT_TRANSLATE_NOOP("Sheet", "Takeback"), R::Takeback, &P::takeback},
    {K::Label, "lblclock", "00:01:00", 7560, 0, 855, 255, kLightGrey, false,
     QT_TRANSLATE_NOOP("Sheet", "Timeout clock"), R::Clock},
    {K::Button, "cmdclock_stopstart", QT_TRANSLATE_NOOP("Sheet", "Start"), 7560, 240, 855, 375,
     kLightGrey, false, QT_TRANSLATE_NOOP("Sheet", "Start or stop the timeout clock"), R::StartStop,
     &P::startStopClock},
    {K::Button, "Command1", QT_TRANSLATE_NOOP("Sheet", "Reset"), 7560, 600, 855, 375, kWhite, false,
     QT_TRANSLATE_NOOP("Sheet", "Reset the timeout clock to one minute"), R::None, &P::resetClock},
    {K::Label, "Label5", QT_TRANSLATE_NOOP("Sheet", "Full Timeout"), 8520, 0, 1095, 255, kLightGrey,
     false},
    {K::CheckBox, "Check1", "", 8520, 240, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "Full timeout 1 used")},
    {K::CheckBox, "Check2", "", 8760, 240, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "Full timeout 2 used")},
    {K::CheckBox, "Check3", "", 9000, 240, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "Full timeout 3 used")},
    {K::Label, "Label6", QT_TRANSLATE_NOOP("Sheet", "20-Second T.O.'s used"), 8520, 600, 1695, 255,
     kLightGrey, false},
    {K::CheckBox, "Check4", "", 8520, 840, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "20-second timeout 1 used")},
    {K::CheckBox, "Check5", "", 8880, 840, 255, 255, kLightGrey, true,
     QT_TRANSLATE_NOOP("Sheet", "20-second timeout 2 used")},
    {K::Label, "lblfname", "", 9600, 0, 2175, 615, kWhite, false,
     QT_TRANSLATE_NOOP("Sheet", "Game file"), R::FileLabel},
    {K::Frame, "Frame1", QT_TRANSLATE_NOOP("Sheet", "Possesion"), 10200, 720, 1695, 495, kDefault,
     false},
    {K::FrameOption, "optyouposs", QT_TRANSLATE_NOOP("Sheet", "U"), 0, 240, 495, 255, kDefault,
     false, QT_TRANSLATE_NOOP("Sheet", "Our team has possession"), R::OurPossession},
    {K::FrameOption, "Option1", QT_TRANSLATE_NOOP("Sheet", "Opp"), 720, 240, 735, 195, kDefault,
     false, QT_TRANSLATE_NOOP("Sheet", "The opponent has possession")},
    {K::Label, "lblheader", kHeaderText, 120, 1320, 11775, 255, kLightGrey, true},
}};

const std::array<RowLabel, kQuarters + 1> kRowLabels = {{
    {"Label2", QT_TRANSLATE_NOOP("Sheet", "First quarter Totals"), 0, 1575, kWhite},
    {"Label3", QT_TRANSLATE_NOOP("Sheet", "Second Quarter Total"), 0, 1575, kLightGrey},
    {"Label1", QT_TRANSLATE_NOOP("Sheet", "Third Quarter Totals"), 0, 1575, kWhite},
    {"Label4", QT_TRANSLATE_NOOP("Sheet", "Fourth Quarter Totals"), 0, 1575, kLightGrey},
    {"Label7", QT_TRANSLATE_NOOP("Sheet", "Overtime Totals"), 0, 1335, kWhite},
    {"Label10", QT_TRANSLATE_NOOP("Sheet", "Game Totals"), 120, 1215, kLightGrey},
}};

QString spokenLineName(int line) {
    if (line < kPlayers) return QCoreApplication::translate("Sheet", "Player %1").arg(line + 1);
    return fromCore(spokenLine(line));
}

} // namespace tallivant::ui
