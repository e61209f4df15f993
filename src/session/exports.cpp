// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/exports.h"

#include <array>

#include "formats/csv.h"
#include "formats/game_file.h"
#include "formats/paths.h"
#include "session/reasons.h"
#include "session/translated.h"

namespace tallivant {

namespace {

// What the strip says of the files written: "Saved report.pdf", "Exported a.csv and
// a-plays.csv" (an export writes one file or two).
std::string writtenNews(bool saved, const std::vector<Output>& files) {
    const auto name = [](const Output& file) { return utf8Of(pathOf(file.path).filename()); };
    if (files.size() == 1)
        //: %1 is the name of the file written
        return saved ? filled(QCoreApplication::translate("Strip", "Saved %1"), name(files[0]))
                     //: %1 is the name of the file written
                     : filled(QCoreApplication::translate("Strip", "Exported %1"), name(files[0]));
    std::string first = name(files[0]);
    for (std::size_t f = 1; f + 1 < files.size(); ++f)
        first += " and " + name(files[f]);
    //: %1 and %2 are the names of the files written
    return saved ? filled(QCoreApplication::translate("Strip", "Saved %1 and %2"), first,
                          name(files.back()))
                 //: %1 and %2 are the names of the files written
                 : filled(QCoreApplication::translate("Strip", "Exported %1 and %2"), first,
                          name(files.back()));
}

} // namespace

std::vector<Output> boxScoreOutputs(const Game& game, const std::string& path) {
    std::array<std::string, kPlayers> names;
    for (int n = 1; n <= kPlayers; ++n)
        names[n - 1] = game.name(n);
    return {{path, boxScoreCsv(contentsOf(game), game.matchup())},
            {playsCsvPath(path), playsCsv(game.plays(), names)}};
}

bool ExportDialog::run(const Kind& kind, FileDialogSetup start,
                       const std::vector<std::string>& reads, const MakeOutputs& make) {
    const std::string suffix = kind.suffix;
    start.title = translated("Exports", kind.title);
    start.filters = {{suffix == "pdf"
                          ? utf8(QCoreApplication::translate("Exports", "PDF files (*.pdf)"))
                          : utf8(QCoreApplication::translate("Exports", "CSV files (*.csv)")),
                      "*." + suffix}};
    start.defaultSuffix = kind.suffix;
    start.confirmOverwrite = true;
    for (;;) {
        host_.boxOpening();
        const std::optional<std::string> chosen = dialogs_.saveFile(start);
        if (!chosen || chosen->empty()) return false;
        rememberFolder(host_, *chosen);
        const auto outputs = make(*chosen);
        if (const auto* reason = std::get_if<std::string>(&outputs)) {
            tell(kind, *reason);
            return false;
        }
        const auto& files = std::get<std::vector<Output>>(outputs);
        if (const auto refused = checkOutputs(files, reads)) {
            tell(kind, translatedReason(refused->reason));
            // The scorer picks another name where the refused one was.
            start.startName = *chosen;
            start.startFolder.clear();
            continue;
        }
        if (const auto failed = writeOutputs(files, reads)) {
            const bool main = failed->path == files.front().path;
            const std::string reason = translatedReason(failed->reason);
            //: %1 is a file's name, %2 why it was not written
            tell(kind, main ? reason
                            : filled(QCoreApplication::translate("Exports", "%1: %2"),
                                     utf8Of(pathOf(failed->path).filename()), reason));
            return false;
        }
        host_.tell(writtenNews(suffix == std::string_view("pdf"), files));
        return true;
    }
}

void ExportDialog::tell(const Kind& kind, const std::string& reason) {
    host_.boxOpening();
    dialogs_.message(filled(QCoreApplication::translate("Exports", kind.failed), reason),
                     translated("Exports", ExportCommands::kFailedTitle), Icon::Critical);
}

ExportCommands::ExportCommands(const Game& game, Dialogs& dialogs, FilesHost& host)
    : game_(game), dialogs_(dialogs), host_(host) {}

bool ExportCommands::run(const ExportDialog::Kind& kind, const MakeOutputs& make) {
    // Named for the game's file where it has one, "lincoln.txt" giving "lincoln.pdf".
    const std::string label = host_.fileLabel();
    std::string name = kind.name;
    if (!label.empty()) {
        const std::string stem = utf8Of(pathOf(label).stem());
        if (!stem.empty()) name = stem + "." + kind.suffix;
    }
    // The game on the window is read from its file: no export goes over it.
    const std::vector<std::string> reads =
        label.empty() ? std::vector<std::string>{} : std::vector{label};
    return ExportDialog(dialogs_, host_).run(kind, besideGame(host_, label, name), reads, make);
}

bool ExportCommands::saveReportAsPdf(const MakePdf& makePdf) {
    return run(kPdf,
               [&](const std::string& path) -> std::variant<std::vector<Output>, std::string> {
                   std::optional<std::string> pdf = makePdf(game_);
                   if (!pdf) return translated("Exports", kPdfNotMade);
                   return std::vector<Output>{{path, std::move(*pdf)}};
               });
}

bool ExportCommands::exportCsv() {
    return run(kCsv,
               [&](const std::string& path) -> std::variant<std::vector<Output>, std::string> {
                   return boxScoreOutputs(game_, path);
               });
}

} // namespace tallivant
