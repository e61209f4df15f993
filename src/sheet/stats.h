// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The thirteen stat buttons as one table: letter, caption, object name, what the stat records,
// and where its button stands (twips) and in what colour (0x00BBGGRR).
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "sheet/columns.h"

namespace tallivant {

enum class StatKind { Made, Missed, Count };

struct StatInfo {
    char letter;
    std::string_view caption;
    std::string_view name;
    StatKind kind;
    int col;    // made column for shots (FGM, FTM, TPM); the counted column otherwise
    int points; // points of a made shot
    int left, top, width, height;
    unsigned colour;
    std::string_view spoken; // what a screen reader says: "Field goal made"
};

inline constexpr int kStats = 13;

// In focus order: cmdfgm first.
extern const std::array<StatInfo, kStats> kStatTable;

// The row of a stat letter, or nothing for a letter that is not a stat.
std::optional<int> statIndex(char letter);
std::optional<int> statIndex(std::string_view letter);

// Made, attempted and percentage columns of the shooting group that starts at madeCol.
inline constexpr int attemptedCol(int madeCol) {
    return madeCol + 1;
}
inline constexpr int percentCol(int madeCol) {
    return madeCol + 2;
}

} // namespace tallivant
