// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report printed into a PDF file in a scratch folder.
#pragma once

#include <QPrinter>

#include <filesystem>
#include <string>

#include "report/printer.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {

class PdfReport : public GameTest {
protected:
    ScratchFolder folder;
    const std::string pdf = folder / "report.pdf";

    bool printTo(const std::string& path) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        return printreport(game, printer, dialogs);
    }
};

} // namespace tallivant::testing
