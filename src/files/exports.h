// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The box score leaves the bench: File|Save report as PDF and File|Export CSV, each to a file
// the scorer chooses and written with the one safe save (disk.h), and the same writing for the
// command line. The PDF's bytes come from the caller, which has the report's drawing
// (report/pdf.h); everything else here needs no Qt.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "dialogs/dialogs.h"
#include "files/file_commands.h"
#include "sheet/game.h"

namespace tallivant {

// Writes the box score to `path` and, when the game has plays, the plays beside it
// (playsCsvPath); each file is written whole or not at all. On failure returns the system's
// reason (for the plays file, after its name); nothing on success.
std::optional<std::string> writeBoxScore(const Game& game, const std::string& path);

// Asks where an export goes: a save dialog with this one filter, proposing `name` in the
// documents folder, asking before a file that exists is replaced. Nothing when cancelled.
std::optional<std::string> askForExportFile(Dialogs& dialogs, FilesHost& host, const char* title,
                                            const FileFilter& filter, const char* suffix,
                                            const std::string& name);
// Tells why an export was not written: `text` and the reason, as an error.
void tellExportFailure(Dialogs& dialogs, FilesHost& host, const char* text,
                       const std::string& reason);

// The bytes of the report as a PDF file, or nothing when they could not be made.
using MakePdf = std::function<std::optional<std::string>(const Game&)>;

class ExportCommands {
public:
    ExportCommands(const Game& game, Dialogs& dialogs, FilesHost& host);

    // Asks for a PDF file (proposed: the game file's name with .pdf in the documents folder)
    // and writes the report there; an existing file is replaced after the scorer confirms. A
    // failure is told with its reason. True when the file was written.
    bool saveReportAsPdf(const MakePdf& makePdf);
    // The same for the box score as CSV, with its plays file beside it.
    bool exportCsv();

    static constexpr const char* kPdfTitle = "Save the report as PDF";
    static constexpr const char* kCsvTitle = "Export the box score as CSV";
    static constexpr const char* kPdfName = "Tallivant report.pdf";
    static constexpr const char* kCsvName = "Tallivant box score.csv";
    static constexpr const char* kPdfFailed = "The report has not been saved: ";
    static constexpr const char* kCsvFailed = "The box score has not been exported: ";
    static constexpr const char* kPdfNotMade = "the PDF could not be made.";
    static constexpr const char* kFailedTitle = "Error!";

private:
    std::optional<std::string> askForFile(const char* title, const FileFilter& filter,
                                          const char* suffix, const char* fallbackName);

    const Game& game_;
    Dialogs& dialogs_;
    FilesHost& host_;
};

} // namespace tallivant
