// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report, and the season totals, as a PDF file's bytes: the printed drawing (paint.h,
// season_paint.h), in landscape on the paper of the scorer's country, with no printer involved.
#pragma once

#include <QLocale>
#include <QPageSize>

#include <optional>
#include <string>

#include "season/season.h"
#include "sheet/game.h"

namespace tallivant {

// Letter where it is the custom (the Americas' letter-paper countries, the Philippines), A4
// everywhere else.
QPageSize paperFor(QLocale::Territory territory);

// The paper of the locale the program runs in.
QPageSize localPaper();

// What is left blank around the report: about what a printer cannot print on.
inline constexpr double kPdfMarginPoints = 18;

// The whole PDF, or nothing when Qt could not paint it.
std::optional<std::string> reportPdf(const Game& game, const QPageSize& paper = localPaper());

// The season totals under a title with `date`, printed as given.
std::optional<std::string> seasonPdf(const Season& season, const std::string& date,
                                     const QPageSize& paper = localPaper());

} // namespace tallivant
