// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/exports.h"

#include <array>

#include "files/csv.h"
#include "files/disk.h"
#include "files/game_file.h"

namespace tallivant {

std::optional<std::string> writeBoxScore(const Game& game, const std::string& path) {
    // The box score first: a target that is refused (a pipe, a missing folder) leaves nothing
    // behind, not even a plays file.
    if (auto failure = writeFileSafely(path, boxScoreCsv(contentsOf(game)))) return failure;
    if (game.plays().empty()) return std::nullopt;
    std::array<std::string, kPlayers> names;
    for (int n = 1; n <= kPlayers; ++n)
        names[n - 1] = game.name(n);
    const std::string playsPath = playsCsvPath(path);
    if (auto failure = writeFileSafely(playsPath, playsCsv(game.plays(), names)))
        return utf8Of(pathOf(playsPath).filename()) + ": " + *failure;
    return std::nullopt;
}

ExportCommands::ExportCommands(const Game& game, Dialogs& dialogs, FilesHost& host)
    : game_(game), dialogs_(dialogs), host_(host) {}

std::optional<std::string> askForExportFile(Dialogs& dialogs, FilesHost& host, const char* title,
                                            const FileFilter& filter, const char* suffix,
                                            const std::string& name) {
    const std::string documents = host.documentsFolder();
    FileDialogSetup setup;
    setup.title = title;
    setup.filters = {filter};
    setup.defaultSuffix = suffix;
    setup.startName = documents.empty() ? name : utf8Of(pathOf(documents) / pathOf(name));
    setup.confirmOverwrite = true;
    host.boxOpening();
    std::optional<std::string> chosen = dialogs.saveFile(setup);
    if (chosen && chosen->empty()) chosen.reset();
    return chosen;
}

void tellExportFailure(Dialogs& dialogs, FilesHost& host, const char* text,
                       const std::string& reason) {
    host.boxOpening();
    dialogs.message(text + reason, ExportCommands::kFailedTitle, Icon::Critical);
}

std::optional<std::string> ExportCommands::askForFile(const char* title, const FileFilter& filter,
                                                      const char* suffix,
                                                      const char* fallbackName) {
    // Named for the game's file where it has one, "lincoln.txt" giving "lincoln.pdf".
    const std::string label = host_.fileLabel();
    std::string name = fallbackName;
    if (!label.empty()) {
        const std::string stem = utf8Of(pathOf(label).stem());
        if (!stem.empty()) name = stem + "." + suffix;
    }
    return askForExportFile(dialogs_, host_, title, filter, suffix, name);
}

bool ExportCommands::saveReportAsPdf(const MakePdf& makePdf) {
    const auto path = askForFile(kPdfTitle, {"PDF files (*.pdf)", "*.pdf"}, "pdf", kPdfName);
    if (!path) return false;
    const std::optional<std::string> pdf = makePdf(game_);
    if (!pdf) {
        tellExportFailure(dialogs_, host_, kPdfFailed, kPdfNotMade);
        return false;
    }
    if (const auto failure = writeFileSafely(*path, *pdf)) {
        tellExportFailure(dialogs_, host_, kPdfFailed, *failure);
        return false;
    }
    return true;
}

bool ExportCommands::exportCsv() {
    const auto path = askForFile(kCsvTitle, {"CSV files (*.csv)", "*.csv"}, "csv", kCsvName);
    if (!path) return false;
    if (const auto failure = writeBoxScore(game_, *path)) {
        tellExportFailure(dialogs_, host_, kCsvFailed, *failure);
        return false;
    }
    return true;
}

} // namespace tallivant
