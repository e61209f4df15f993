// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The thirteen stats as one table: the letter of each and what it records. Their buttons (caption,
// name, place, colour) are the window's table kStatButtons, row for row.
#pragma once

#include <array>
#include <optional>

#include "sheet/columns.h"

namespace tallivant {

enum class StatKind { Made, Missed, Count };

struct StatInfo {
    char letter;
    StatKind kind;
    int col;    // made column for shots (FGM, FTM, TPM); the counted column otherwise
    int points; // points of a made shot
};

inline constexpr int kStats = 13;

// In focus order: cmdfgm first.
extern const std::array<StatInfo, kStats> kStatTable;

// The row of a stat letter, or nothing for a letter that is not a stat.
std::optional<int> statIndex(char letter);

// Made, attempted and percentage columns of the shooting group that starts at madeCol.
inline constexpr int attemptedCol(int madeCol) {
    return madeCol + 1;
}
inline constexpr int percentCol(int madeCol) {
    return madeCol + 2;
}

// What one stat adds on each line it counts on, count column by count column: add(col, amount)
// for the make, the attempt and the points of a shot, or the one column of a counting stat.
template <typename Add> constexpr void forEachCount(const StatInfo& s, Add&& add) {
    if (s.kind == StatKind::Count) {
        add(s.col, 1);
        return;
    }
    if (s.kind == StatKind::Made) add(s.col, 1);
    add(attemptedCol(s.col), 1);
    if (s.kind == StatKind::Made) add(static_cast<int>(PTS), s.points);
}

} // namespace tallivant
