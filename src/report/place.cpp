// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/place.h"

#include <cmath>

namespace tallivant {

std::vector<PlacedLine> placeReport(const std::vector<ReportLine>& lines, double columnWidth,
                                    const MeasureText& width) {
    // A position counts as passed only beyond a sliver of a column, so that text ending
    // exactly on a column (summed in floating point) does not push the next item down.
    const double slack = columnWidth * 1e-6;
    std::vector<PlacedLine> out;
    out.reserve(lines.size());
    for (const ReportLine& line : lines) {
        out.emplace_back();
        double position = 0;
        for (const ReportItem& item : line) {
            if (item.column != kRightAfterPrevious) {
                const double target = (item.column - 1) * columnWidth;
                if (position > target + slack) out.emplace_back();
                position = target;
            }
            if (!item.text.empty()) out.back().push_back({position, item.text});
            position += width(item.text);
        }
    }
    return out;
}

double characterCount(std::string_view text) {
    double n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::vector<std::string> renderText(const std::vector<ReportLine>& lines) {
    std::vector<std::string> out;
    for (const PlacedLine& line : placeReport(lines, 1.0, characterCount)) {
        std::string text;
        double end = 0;
        for (const PlacedItem& item : line) {
            if (item.x > end) text.append(static_cast<std::size_t>(std::lround(item.x - end)), ' ');
            text += item.text;
            end = item.x + characterCount(item.text);
        }
        out.push_back(std::move(text));
    }
    return out;
}

} // namespace tallivant
