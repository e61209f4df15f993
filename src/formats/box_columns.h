// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The box score's columns as readers outside the program take them, for the game's CSV and
// the season: what the sheet calls field goals are the two-point ones (2PM, 2PA, 2P%), and
// FGM, FGA and FG% count every field goal, threes included. The sheet, the game file and the
// printed report keep the sheet's own seventeen columns.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/columns.h"

namespace tallivant {

enum class BoxCol : int {
    TwoPM,
    TwoPA,
    TwoPPer,
    ThreePM,
    ThreePA,
    ThreePPer,
    FGM,
    FGA,
    FGPer,
    FTM,
    FTA,
    FTPer,
    REB,
    AST,
    TO,
    STL,
    BLK,
    PF,
    TF,
    PTS
};
inline constexpr int kBoxColumns = 20;

struct BoxColumnInfo {
    std::string_view header; // "2PM", … "PTS"
    Col made;                // the sheet's count; for a percentage, its made count
    Col attempted;           // for a percentage, its attempts; else the same as made
    bool percent;
    bool withThrees; // the sheet's two-point column plus its three-point one
};
inline constexpr std::array<BoxColumnInfo, kBoxColumns> kBoxColumnTable = {{
    {"2PM", FGM, FGM, false, false}, {"2PA", FGA, FGA, false, false},
    {"2P%", FGM, FGA, true, false},  {"3PM", TPM, TPM, false, false},
    {"3PA", TPA, TPA, false, false}, {"3P%", TPM, TPA, true, false},
    {"FGM", FGM, FGM, false, true},  {"FGA", FGA, FGA, false, true},
    {"FG%", FGM, FGA, true, true},   {"FTM", FTM, FTM, false, false},
    {"FTA", FTA, FTA, false, false}, {"FT%", FTM, FTA, true, false},
    {"REB", REB, REB, false, false}, {"AST", AST, AST, false, false},
    {"TO", TO, TO, false, false},    {"STL", STL, STL, false, false},
    {"BLK", BLK, BLK, false, false}, {"PF", PF, PF, false, false},
    {"TF", TF, TF, false, false},    {"PTS", PTS, PTS, false, false},
}};

inline constexpr const BoxColumnInfo& boxColumn(BoxCol col) {
    return kBoxColumnTable[static_cast<int>(col)];
}

// A line of the sheet as numbers, by Col; the percentage columns are not read.
using LineCounts = std::array<double, kColumns>;

// The count a column holds for the line: the sheet's, or for FGM and FGA two and three points
// together. For a percentage, its made count.
double boxCount(const LineCounts& counts, Col col, bool withThrees);

struct Shots {
    double made = 0, attempted = 0;
};
Shots boxShots(const LineCounts& counts, const BoxColumnInfo& percentage);

// The percentage as a plain number with two decimals and no "%" ("66.67"), rounded as the
// sheet rounds; nothing with no attempts (or fewer than none), where a 0 would read as a
// shooter who missed everything.
std::optional<std::string> boxPercent(Shots shots, std::string_view decimalSeparator = ".");

} // namespace tallivant
