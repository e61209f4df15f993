// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/season_commands.h"

#include "formats/paths.h"
#include "session/reasons.h"
#include "session/translated.h"

namespace tallivant {

std::vector<std::string> leftOutLines(const Season& season) {
    std::vector<std::string> lines;
    const auto name = [](const std::string& path) { return utf8Of(pathOf(path).filename()); };
    // The later save is named as the file left out is: by its name alone.
    for (const LeftOutFile& file : season.leftOut)
        //: %1 is a file's name, %2 why it was left out
        lines.push_back(filled(
            QCoreApplication::translate("Season", "%1: %2"), name(file.path),
            file.laterSave.empty()
                ? translatedReason(file.reason)
                : filled(QCoreApplication::translate("Core", kEarlierSave), name(file.laterSave))));
    return lines;
}

SeasonCommands::SeasonCommands(Dialogs& dialogs, FilesHost& host)
    : dialogs_(dialogs), host_(host) {}

std::optional<Season> SeasonCommands::chooseSeason() {
    // An empty name box: Enter on it opens nothing rather than a file named after the folder.
    FileDialogSetup setup = besideGame(host_, {}, {});
    setup.title = translated("Season", kChooseTitle);
    setup.filters = {
        {utf8(QCoreApplication::translate("FileCommands", "Text files (*.txt)")), "*.txt"},
        {utf8(QCoreApplication::translate("FileCommands", "All files (*)")), "*"}};
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
    dialogs_.listMessage(translated("Season", kLeftOut), leftOutLines(season),
                         translated("Season", kTitle), Icon::Exclamation);
}

bool SeasonCommands::run(const ExportDialog::Kind& kind, const Season& season,
                         const std::function<std::optional<std::string>()>& bytes) {
    return ExportDialog(dialogs_, host_)
        .run(kind, besideGame(host_, {}, kind.name), season.read,
             [&](const std::string& path) -> std::variant<std::vector<Output>, std::string> {
                 std::optional<std::string> made = bytes();
                 if (!made) return translated("Exports", ExportCommands::kPdfNotMade);
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
