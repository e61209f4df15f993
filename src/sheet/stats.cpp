// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/stats.h"

namespace tallivant {

const std::array<StatInfo, kStats> kStatTable = {{
    {'c', StatKind::Made, FGM, 2},
    {'v', StatKind::Missed, FGM, 0},
    {'d', StatKind::Made, FTM, 1},
    {'f', StatKind::Missed, FTM, 0},
    {'e', StatKind::Made, TPM, 3},
    {'r', StatKind::Missed, TPM, 0},
    {'u', StatKind::Count, AST, 0},
    {'h', StatKind::Count, REB, 0},
    {'n', StatKind::Count, TO, 0},
    {'o', StatKind::Count, STL, 0},
    {'k', StatKind::Count, BLK, 0},
    {'m', StatKind::Count, PF, 0},
    {'t', StatKind::Count, TF, 0},
}};

std::optional<int> statIndex(char letter) {
    for (int i = 0; i < kStats; ++i)
        if (kStatTable[i].letter == letter) return i;
    return std::nullopt;
}

} // namespace tallivant
