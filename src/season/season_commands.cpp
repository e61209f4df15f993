// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "season/season_commands.h"

#include "files/disk.h"
#include "files/exports.h"

namespace tallivant {

std::string leftOutText(const Season& season) {
    if (season.leftOut.empty()) return {};
    std::string text = SeasonCommands::kLeftOut;
    for (const LeftOutFile& file : season.leftOut)
        text += "\n" + utf8Of(pathOf(file.path).filename()) + ": " + file.reason;
    return text;
}

SeasonCommands::SeasonCommands(Dialogs& dialogs, FilesHost& host)
    : dialogs_(dialogs), host_(host) {}

std::optional<Season> SeasonCommands::chooseSeason() {
    FileDialogSetup setup;
    setup.title = kChooseTitle;
    setup.filters = {{"Text files (*.txt)", "*.txt"}, {"All files (*)", "*"}};
    setup.defaultSuffix = "txt";
    const std::string documents = host_.documentsFolder();
    setup.startName = documents;
    host_.boxOpening();
    const std::vector<std::string> paths = dialogs_.openFiles(setup);
    if (paths.empty()) return std::nullopt;
    Season season = readSeason(paths);
    if (season.team.games == 0) {
        tellLeftOut(season);
        return std::nullopt;
    }
    return season;
}

void SeasonCommands::tellLeftOut(const Season& season) {
    if (season.leftOut.empty()) return;
    host_.boxOpening();
    dialogs_.message(leftOutText(season), kTitle, Icon::Exclamation);
}

bool SeasonCommands::write(const std::optional<std::string>& path,
                           const std::optional<std::string>& bytes, const char* failed) {
    const std::optional<std::string> failure =
        bytes ? writeFileSafely(*path, *bytes) : std::string(ExportCommands::kPdfNotMade);
    if (failure) tellExportFailure(dialogs_, host_, failed, *failure);
    return !failure;
}

bool SeasonCommands::savePdf(const Season& season, const MakeSeasonPdf& makePdf) {
    const auto path = askForExportFile(dialogs_, host_, kPdfTitle, {"PDF files (*.pdf)", "*.pdf"},
                                       "pdf", kPdfName);
    return path && write(path, makePdf(season), kPdfFailed);
}

bool SeasonCommands::exportCsv(const Season& season) {
    const auto path = askForExportFile(dialogs_, host_, kCsvTitle, {"CSV files (*.csv)", "*.csv"},
                                       "csv", kCsvName);
    return path && write(path, seasonCsv(season), kCsvFailed);
}

} // namespace tallivant
