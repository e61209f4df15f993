// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report as a PDF file's bytes: the printed report's own drawing (paint.h), in landscape on
// the paper of the scorer's country, with no printer involved.
#pragma once

#include <QLocale>
#include <QPageSize>

#include <optional>
#include <string>

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

} // namespace tallivant
