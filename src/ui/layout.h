// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every control of the window stands, as tables in twips (1/1440 inch, 15 to a pixel at
// 96 dpi) from the top-left corner of the client area, with its caption, colour and font. The
// sheet's columns are kColumnTable. Captions and spoken names are English, marked for
// translation in the context "Sheet"; the stat buttons' captions and the column header are
// the same in every language.
#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <string_view>

#include "sheet/columns.h"
#include "sheet/stats.h"
#include "ui/commands.h"

namespace tallivant::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline constexpr int kClientWidth = 11880;
inline constexpr int kClientHeight = 7935;

// The colour of a control that keeps the toolkit's own.
inline constexpr unsigned kToolkitDefault = 0xFFFFFFFFu;

struct StatButton {
    std::string_view name;
    std::string_view caption;
    int left, top, width, height;
    unsigned colour;
    std::string_view spoken; // what a screen reader says: "Field goal made"
};

// The stat buttons, row for row with kStatTable, in focus order: cmdfgm first.
extern const std::array<StatButton, kStats> kStatButtons;

enum class PanelKind { Label, Button, QuarterOption, CheckBox, Frame, FrameOption };

// The panel controls the window keeps hold of once they are built.
enum class PanelRole { None, Clock, FileLabel, OurPossession, StartStop, Takeback };
inline constexpr int kPanelRoles = 6;

struct PanelControl {
    PanelKind kind;
    std::string_view name;
    std::string_view caption;
    int left, top, width, height; // inside the frame for FrameOption
    unsigned colour;
    bool regularFont;
    std::string_view spoken = {}; // for a screen reader, where the caption says too little
    PanelRole role = PanelRole::None;
    Command clicked = nullptr; // for a Button
};

// The top panel and the column header, in the order the controls are built. The quarter
// options run from the first quarter to overtime, as Quarter counts them.
inline constexpr int kPanelControls = 24;
extern const std::array<PanelControl, kPanelControls> kPanelTable;

inline constexpr std::string_view kHeaderText =
    "Click to select name   FGM    FGA   FG%   FTM    FTA    FT%    3PTM  3PTA   3PT%   REBS   "
    "ASTS     TurnOver's      STLS    BLKS     Prsnl Fls    Tech Fls   Points";

// The sheet's eighteen lines all share one step; fields are the same size everywhere.
inline constexpr int kFirstLineTop = 1560;
inline constexpr int kLineStep = 360;
inline constexpr int lineTop(int line) {
    return kFirstLineTop + kLineStep * line;
}
inline constexpr int kFieldWidth = 375;
inline constexpr int kFieldHeight = 285;
// Lines alternate white and dark grey from the first player line on.
inline constexpr bool isGreyLine(int line) {
    return line % 2 == 1;
}

inline constexpr int kFloorBoxLeft = 0;
inline constexpr int kFloorBoxSize = 255;
inline constexpr int kFirstFloorBox = 8; // Check8 beside player 1
inline constexpr int kNameLeft = 240;
inline constexpr int kNameWidth = 1335;
inline constexpr int kNameHeight = 255;

struct RowLabel {
    std::string_view name;
    std::string_view caption;
    int left, width;
    unsigned colour;
};

// What a screen reader calls line `line` of the sheet ("Player 3", "Game totals"), translated.
QString spokenLineName(int line);

// The labels of the five quarter lines and the game totals line, top to bottom.
extern const std::array<RowLabel, kQuarters + 1> kRowLabels;
inline constexpr int kRowLabelHeight = 255;

} // namespace tallivant::ui
