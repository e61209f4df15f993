// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/csv.h"
#include "season/season.h"

namespace tallivant {

std::string seasonCsv(const Season& season) {
    std::string out(kByteOrderMark);
    appendCsvRow(out, kSeasonHeaders);
    for (const SeasonLine& line : season.players)
        appendCsvRow(out, seasonRowTexts(line));
    appendCsvRow(out, seasonRowTexts(season.team));
    return out;
}

} // namespace tallivant
