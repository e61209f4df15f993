// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed report as it is composed from the sheet: 45 lines of items, each a text to print
// at a print column, in the order they are printed. The texts are the sheet's own field texts,
// copied as they stand, and the names as their buttons show them (without the Alt-letter's
// "&"); only a game with details gets a heading above them, with its score. Its own words
// (marked for translation in the context "Core") come in the reader's language from ReportWords.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sheet/game.h"

namespace tallivant {

// A print column counts from 1 at the left margin, in average character widths.
// kRightAfterPrevious, not a column, places the text right after the item before it.
inline constexpr int kRightAfterPrevious = 0;

struct ReportItem {
    int column = kRightAfterPrevious;
    std::string text;
    friend bool operator==(const ReportItem&, const ReportItem&) = default;
};

using ReportLine = std::vector<ReportItem>;

inline constexpr int kReportLines = 45;

// The most characters a heading line takes: as wide as the tables' widest line.
inline constexpr int kHeadingCharacters = 117;

// The report's own words (headings, the quarters' and totals' labels, a period's name) in the
// reader's language, from their English; never a name or a number. Empty: the English.
using ReportWords = std::function<std::string(const char* english)>;

// For a game with details (GameDetails::given), the heading: both teams with the final score,
// the score by period, the date and the place, on one line or two, each line cut with "…"
// where it would run past the tables; then an empty line. Nothing for a game without details.
std::vector<ReportLine> composeHeading(const Game& game, const ReportWords& words = {});

// The heading, the shooting table, three empty lines (two under a heading) and the table of the
// other stats.
std::vector<ReportLine> composeReport(const Game& game, const ReportWords& words = {});

} // namespace tallivant
