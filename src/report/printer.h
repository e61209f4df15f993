// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report on paper: the printer question, the report printed in landscape at 10 points on
// the system's default printer (or on a printer the caller sets up, such as a PDF file), and
// File|Print, which asks first. The sheet is only read.
#pragma once

#include <QtGlobal>

#include "dialogs/dialogs.h"
#include "report/paint.h"
#include "report/season_paint.h"
#include "season/season.h"
#include "sheet/game.h"

class QPrinter;

namespace tallivant {

// Shown translated in the context "Report".
inline constexpr const char* kPrinterCheckText =
    QT_TRANSLATE_NOOP("Report", "Make sure the printer is ready");
inline constexpr const char* kPrinterCheckTitle = QT_TRANSLATE_NOOP("Report", "Printer Check");
inline constexpr const char* kPrintErrorText =
    QT_TRANSLATE_NOOP("Report", "Make sure the printer is on and has paper.");
inline constexpr const char* kPrintErrorTitle = QT_TRANSLATE_NOOP("Report", "Error Printing");

// True unless the scorer answers Cancel or closes the box.
bool prready(Dialogs& dialogs);

// Prints the report on this printer, turned to landscape. Any failure stops the report and
// shows the printing error; the result tells whether the whole report went out.
bool printreport(const Game& game, QPrinter& printer, Dialogs& dialogs);

// The same on the system's default printer; having none is a failure like any other.
bool printreport(const Game& game, Dialogs& dialogs);

// Prints the season on a printer the caller has set up, turned to landscape; true when the
// whole of it went out and the print system took the job.
bool printSeason(const Season& season, const std::string& date, QPrinter& printer);

// File|Print: the printer question, then the report on the default printer when it says OK.
void filePrint(const Game& game, Dialogs& dialogs);

} // namespace tallivant
