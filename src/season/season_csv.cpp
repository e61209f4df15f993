// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/csv.h"
#include "season/season.h"

namespace tallivant {

namespace {

template <typename Texts> void appendRow(std::string& out, const Texts& values) {
    bool first = true;
    for (const auto& value : values) {
        if (!first) out += ',';
        out += csvField(value);
        first = false;
    }
    out += "\r\n";
}

} // namespace

std::string seasonCsv(const Season& season) {
    std::string out(kByteOrderMark);
    appendRow(out, kSeasonHeaders);
    for (const SeasonLine& line : season.players)
        appendRow(out, seasonRowTexts(line));
    appendRow(out, seasonRowTexts(season.team));
    return out;
}

} // namespace tallivant
