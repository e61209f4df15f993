// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one drawing of the report, for paper and for a PDF file alike: the 45 lines at 10 points,
// each item at its print column, a new page when the next line would pass the bottom.
#pragma once

#include <QtGlobal>

#include <functional>

#include "sheet/game.h"

class QPagedPaintDevice;
class QPainter;

namespace tallivant {

// The report's name, for a print job and a PDF's title, translated in the context "Report".
inline constexpr const char* kPrintJobTitle = QT_TRANSLATE_NOOP("Report", "Tallivant stat report");

inline constexpr double kReportPointSize = 10;

// Draws the report with a painter already begun on the device, page after page. `failed` is
// asked after every line (a printer can fail half-way); false when it said so or a new page
// could not be started, and the caller then gives up the rest.
bool drawReport(const Game& game, QPainter& painter, QPagedPaintDevice& device,
                const std::function<bool()>& failed);

} // namespace tallivant
