// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The season totals on paper and in a PDF file: a title with the date, the column headers and
// one line per player with the team last, the title and headers again on every page. Always in
// landscape: even with one-digit numbers and short names the 25 columns at the report's 10
// points are wider than a portrait page.
#pragma once

#include <QtGlobal>

#include <functional>
#include <string>

#include "season/season.h"

class QPagedPaintDevice;
class QPainter;

namespace tallivant {

// Shown translated in the context "Report".
inline constexpr const char* kSeasonTitle = QT_TRANSLATE_NOOP("Report", "Season totals");
inline constexpr const char* kSeasonJobTitle =
    QT_TRANSLATE_NOOP("Report", "Tallivant season totals");
// The type shrinks from the report's 10 points until the table fits the page's width, down to
// this; where it still does not fit, the names are cut shorter instead.
inline constexpr double kSeasonSmallestPointSize = 6;
// A name wider than this many average characters is cut with "…" rather than shrinking
// everyone's numbers for it.
inline constexpr int kSeasonNameCharacters = 30;

// Today's date in the user's words ("Wednesday, 9 December 2026"), for under the title.
std::string seasonDate();

// Draws the season with a painter already begun on the device, page after page, with the
// locale's decimal separator as the sheet's percentages have it. `date` is printed as given.
// `failed` is asked after every line; false when it said so or a new page could not be started.
bool drawSeason(const Season& season, const std::string& date, QPainter& painter,
                QPagedPaintDevice& device, const std::function<bool()>& failed);

} // namespace tallivant
