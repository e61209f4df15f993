// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Puts the report's items on printed lines: each item goes to its column, and an item whose
// column the line has already passed goes to that column on the next line. Widths come from
// the caller, so the same rule serves the printer's font and fixed-width text.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/compose.h"

namespace tallivant {

struct PlacedItem {
    double x = 0; // from the left margin, in the caller's units
    std::string text;
};

using PlacedLine = std::vector<PlacedItem>;

// The width of a text in the same units as columnWidth.
using MeasureText = std::function<double(std::string_view)>;

// One entry per printed line; an over-long item makes a report line take two or more.
std::vector<PlacedLine> placeReport(const std::vector<ReportLine>& lines, double columnWidth,
                                    const MeasureText& width);

// The number of characters (UTF-8 code points) of a text: its width in fixed-width print.
double characterCount(std::string_view text);

// The report as fixed-width text, one string per printed line, with no trailing blanks.
std::vector<std::string> renderText(const std::vector<ReportLine>& lines);

} // namespace tallivant
