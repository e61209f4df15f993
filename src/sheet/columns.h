// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stat sheet's geometry as tables: the seventeen stat columns, the eighteen lines, and the
// field names built from them. Everything that walks the sheet walks these tables.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tallivant {

inline constexpr int kPlayers = 12;
inline constexpr int kQuarters = 5;
inline constexpr int kColumns = 17;
inline constexpr int kLines = kPlayers + kQuarters + 1; // players, quarters, game totals
inline constexpr int kFields = kLines * kColumns;       // 306

enum Col : int {
    FGM,
    FGA,
    FGPER,
    FTM,
    FTA,
    FTPER,
    TPM,
    TPA,
    TPPER,
    REB,
    AST,
    TO,
    STL,
    BLK,
    PF,
    TF,
    PTS
};

// The three percentage columns, which hold a share of two counts rather than a count.
constexpr bool isPercentColumn(int col) {
    return col == FGPER || col == FTPER || col == TPPER;
}

enum class Quarter : int { First, Second, Third, Fourth, Overtime };

struct ColumnInfo {
    std::string_view code;        // quarter field suffix: "fgm"
    std::string_view header;      // game file header title: "FGM"
    std::string_view playerArray; // "txtfgm"
    std::string_view totalName;   // "txttotfgm"
    int left;                     // twips
    std::string_view spoken;      // what a screen reader says: "field goals made" (marked, "Core")
};

extern const std::array<ColumnInfo, kColumns> kColumnTable;
extern const std::array<std::string_view, kQuarters> kQuarterCodes; // "1st" .. "ot"
// The lines as a screen reader says them: "Player 3", "Second quarter", "Game totals", in English.
std::string spokenLine(int line);
// The same as a marked text ("Core") to translate: "Player %1" for a player's line, %1 its
// number from 1.
std::string_view spokenLineText(int line);

// A line of the sheet: 0..11 players (index), 12..16 quarters, 17 game totals.
inline constexpr int playerLine(int index) {
    return index;
}
inline constexpr int quarterLine(Quarter q) {
    return kPlayers + static_cast<int>(q);
}
inline constexpr int kTotalsLine = kPlayers + kQuarters;

struct Field {
    int line = 0;
    int col = 0;
    constexpr int id() const { return line * kColumns + col; }
    static constexpr Field fromId(int id) { return {id / kColumns, id % kColumns}; }
    friend constexpr bool operator==(Field, Field) = default;
};

// The field's name as the window's object name: "txtfgm_4", "txt2ndfgm", "txttotfgm".
std::string fieldName(Field f);

} // namespace tallivant
