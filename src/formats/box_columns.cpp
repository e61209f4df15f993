// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/box_columns.h"

#include "sheet/numbers.h"

namespace tallivant {

double boxCount(const LineCounts& counts, Col col, bool withThrees) {
    if (!withThrees) return counts[col];
    return counts[col] + counts[col == FGM ? TPM : TPA];
}

Shots boxShots(const LineCounts& counts, const BoxColumnInfo& percentage) {
    return {boxCount(counts, percentage.made, percentage.withThrees),
            boxCount(counts, percentage.attempted, percentage.withThrees)};
}

std::optional<std::string> boxPercent(Shots shots, std::string_view decimalSeparator) {
    if (!(shots.attempted > 0)) return std::nullopt;
    std::string text = percentText(shots.made, shots.attempted, decimalSeparator);
    text.pop_back(); // the "%"
    return text;
}

} // namespace tallivant
