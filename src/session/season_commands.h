// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File|Season totals without its window: the games asked for in one open dialog and added up,
// the files left out told, and the season written as PDF or CSV to files the scorer chooses,
// through the one door. The PDF's bytes come from the caller, which has the drawing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "season/season.h"
#include "session/exports.h"
#include "session/file_commands.h"

namespace tallivant {

// A line for each file the season left out: its file name and its reason.
std::vector<std::string> leftOutLines(const Season& season);

using MakeSeasonPdf = std::function<std::optional<std::string>(const Season&)>;

class SeasonCommands {
public:
    SeasonCommands(Dialogs& dialogs, FilesHost& host);

    // Asks for the games (several at once) and adds them up; nothing when the scorer chose
    // none, or when not one of them opened (the scorer is then told why, and there is no table
    // to show). Files left out are for the caller to tell once the table is up (tellLeftOut).
    std::optional<Season> chooseSeason();
    // Tells the files the season left out, if any: "These files were left out:" over a list of
    // them, which scrolls however many there are.
    void tellLeftOut(const Season& season);
    // Ask for a file (proposed where the scorer worked last) and write the season there, never
    // over one of its games or another game file; a failure is told with its reason. True when
    // the file was written.
    bool savePdf(const Season& season, const MakeSeasonPdf& makePdf);
    bool exportCsv(const Season& season);

    static constexpr const char* kChooseTitle =
        QT_TRANSLATE_NOOP("Season", "Select the games of the season");
    // Also the season window's title: shown as translate("Season", kTitle).
    static constexpr const char* kTitle = QT_TRANSLATE_NOOP("Season", "Season totals");
    static constexpr const char* kLeftOut =
        QT_TRANSLATE_NOOP("Season", "These files were left out:");
    // In the context of ExportDialog's texts.
    static constexpr ExportDialog::Kind kPdf{
        QT_TRANSLATE_NOOP("Exports", "Save the season as PDF"), "pdf", "Season totals.pdf",
        //: %1 is why
        QT_TRANSLATE_NOOP("Exports", "The season has not been saved: %1")};
    static constexpr ExportDialog::Kind kCsv{
        QT_TRANSLATE_NOOP("Exports", "Export the season as CSV"), "csv", "Season totals.csv",
        //: %1 is why
        QT_TRANSLATE_NOOP("Exports", "The season has not been exported: %1")};

private:
    bool run(const ExportDialog::Kind& kind, const Season& season,
             const std::function<std::optional<std::string>()>& bytes);

    Dialogs& dialogs_;
    FilesHost& host_;
};

} // namespace tallivant
