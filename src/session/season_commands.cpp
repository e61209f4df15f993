// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/season_commands.h"

#include "formats/paths.h"

namespace tallivant {

std::vector<std::string> leftOutLines(const Season& season) {
    std::vector<std::string> lines;
    const auto name = [](const std::string& path) { return utf8Of(pathOf(path).filename()); };
    // The later save is named as the file left out is: by its name alone.
    for (const LeftOutFile& file : season.leftOut)
        lines.push_back(
            name(file.path) + ": " +
            (file.laterSave.empty() ? file.reason : earlierSaveReason(name(file.laterSave))));
    return lines;
}

SeasonCommands::SeasonCommands(Dialogs& dialogs, FilesHost& host)
    : dialogs_(dialogs), host_(host) {}

std::optional<Season> SeasonCommands::chooseSeason() {
    // An empty name box: Enter on it opens nothing rather than a file named after the folder.
    FileDialogSetup setup = besideGame(host_, {}, {});
    setup.title = kChooseTitle;
    setup.filters = {{"Text files (*.txt)", "*.txt"}, {"All files (*)", "*"}};
    setup.defaultSuffix = "txt";
    host_.boxOpening();
    const std::vector<std::string> paths = dialogs_.openFiles(setup);
    if (paths.empty()) return std::nullopt;
    rememberFolder(host_, paths.front());
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
    dialogs_.listMessage(kLeftOut, leftOutLines(season), kTitle, Icon::Exclamation);
}

bool SeasonCommands::run(const ExportDialog::Kind& kind, const Season& season,
                         const std::function<std::optional<std::string>()>& bytes) {
    return ExportDialog(dialogs_, host_)
        .run(kind, besideGame(host_, {}, kind.name), season.read,
             [&](const std::string& path) -> std::variant<std::vector<Output>, std::string> {
                 std::optional<std::string> made = bytes();
                 if (!made) return std::string(ExportCommands::kPdfNotMade);
                 return std::vector<Output>{{path, std::move(*made)}};
             });
}

bool SeasonCommands::savePdf(const Season& season, const MakeSeasonPdf& makePdf) {
    return run(kPdf, season, [&] { return makePdf(season); });
}

bool SeasonCommands::exportCsv(const Season& season) {
    return run(kCsv, season, [&] { return std::optional(seasonCsv(season)); });
}

} // namespace tallivant
