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

std::optional<std::string> SeasonCommands::askForFile(const char* title, const FileFilter& filter,
                                                      const char* suffix, const char* name) {
    FileDialogSetup setup;
    setup.title = title;
    setup.filters = {filter};
    setup.defaultSuffix = suffix;
    const std::string documents = host_.documentsFolder();
    setup.startName = documents.empty() ? name : utf8Of(pathOf(documents) / pathOf(name));
    setup.confirmOverwrite = true;
    host_.boxOpening();
    std::optional<std::string> chosen = dialogs_.saveFile(setup);
    if (chosen && chosen->empty()) chosen.reset();
    return chosen;
}

bool SeasonCommands::write(const std::optional<std::string>& path,
                           const std::optional<std::string>& bytes, const char* failed) {
    std::optional<std::string> failure;
    if (!bytes)
        failure = ExportCommands::kPdfNotMade;
    else
        failure = writeFileSafely(*path, *bytes);
    if (!failure) return true;
    host_.boxOpening();
    dialogs_.message(failed + *failure, ExportCommands::kFailedTitle, Icon::Critical);
    return false;
}

bool SeasonCommands::savePdf(const Season& season, const MakeSeasonPdf& makePdf) {
    const auto path = askForFile(kPdfTitle, {"PDF files (*.pdf)", "*.pdf"}, "pdf", kPdfName);
    return path && write(path, makePdf(season), kPdfFailed);
}

bool SeasonCommands::exportCsv(const Season& season) {
    const auto path = askForFile(kCsvTitle, {"CSV files (*.csv)", "*.csv"}, "csv", kCsvName);
    return path && write(path, seasonCsv(season), kCsvFailed);
}

} // namespace tallivant
