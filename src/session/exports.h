// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The box score leaves the bench: File|Save report as PDF and File|Export CSV, each to a file
// the scorer chooses and written through the one door (system/door.h), and the same files for
// the command line. The PDF's bytes come from the caller, which has the report's drawing
// (report/pdf.h); everything else here needs no Qt.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "session/file_commands.h"
#include "session/translated.h"
#include "sheet/game.h"
#include "system/door.h"

namespace tallivant {

// The box score at `path` and its plays beside it (playsCsvPath; a header alone for a game
// without plays, so that no plays file of another game stays beside this box score).
std::vector<Output> boxScoreOutputs(const Game& game, const std::string& path);

// The files of an export for the path the scorer chose, or why they could not be made.
using MakeOutputs =
    std::function<std::variant<std::vector<Output>, std::string>(const std::string& path)>;

// Asks where an export goes and writes it through the door: a save dialog with one filter,
// proposing `name` beside the game's file (or where the scorer worked last), asking before a
// file that exists is replaced. A refused or failed write is told (`failed` and the reason);
// a refused one opens the dialog again on the name chosen, for another. True when written.
class ExportDialog {
public:
    // What is exported: the dialog's title, the file's suffix ("pdf" or "csv", which picks
    // the dialog's one filter), the name proposed and the failure message. The title and the
    // message are marked with QT_TRANSLATE_NOOP("Exports", ...).
    struct Kind {
        const char* title;
        const char* suffix;
        const char* name;
        const char* failed; // "The box score has not been exported: %1", %1 the reason
    };
    ExportDialog(Dialogs& dialogs, FilesHost& host) : dialogs_(dialogs), host_(host) {}
    // `start` gives the folder and, where it names one, the name proposed.
    bool run(const Kind& kind, FileDialogSetup start, const std::vector<std::string>& reads,
             const MakeOutputs& make);

private:
    void tell(const Kind& kind, const std::string& reason);
    Dialogs& dialogs_;
    FilesHost& host_;
};

// The bytes of the report as a PDF file, or nothing when they could not be made.
using MakePdf = std::function<std::optional<std::string>(const Game&)>;

class ExportCommands {
public:
    ExportCommands(const Game& game, Dialogs& dialogs, FilesHost& host);

    // Asks for a PDF file (proposed: the game file's name with .pdf beside it) and writes the
    // report there; an existing file is replaced after the scorer confirms, a game file
    // never. A failure is told with its reason. True when the file was written.
    bool saveReportAsPdf(const MakePdf& makePdf);
    // The same for the box score as CSV, with its plays file beside it.
    bool exportCsv();

    static constexpr ExportDialog::Kind kPdf{
        QT_TRANSLATE_NOOP("Exports", "Save the report as PDF"), "pdf", "Tallivant report.pdf",
        //: %1 is why
        QT_TRANSLATE_NOOP("Exports", "The report has not been saved: %1")};
    static constexpr ExportDialog::Kind kCsv{
        QT_TRANSLATE_NOOP("Exports", "Export the box score as CSV"), "csv",
        "Tallivant box score.csv",
        //: %1 is why
        QT_TRANSLATE_NOOP("Exports", "The box score has not been exported: %1")};
    static constexpr const char* kPdfNotMade =
        QT_TRANSLATE_NOOP("Exports", "the PDF could not be made.");
    static constexpr const char* kFailedTitle = QT_TRANSLATE_NOOP("Exports", "Error!");

private:
    bool run(const ExportDialog::Kind& kind, const MakeOutputs& make);

    const Game& game_;
    Dialogs& dialogs_;
    FilesHost& host_;
};

} // namespace tallivant
