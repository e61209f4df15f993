// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File|Save report as PDF and File|Export CSV: the file each asks for, what each writes where,
// and what the scorer is told when a file cannot be written.
#include <filesystem>
#include <optional>
#include <string>

#include "files_fixture.h"
#include "formats/paths.h"
#include "formats/saved_game.h"
#include "session/exports.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

class ExportHost : public FakeHost {
public:
    std::string documents;
    std::vector<std::string> used;
    int boxes = 0;
    std::string startFolder() const override { return documents; }
    void folderUsed(const std::string& folder) override { used.push_back(folder); }
    void boxOpening() override { ++boxes; }
};

class Exports : public GameTest {
protected:
    ExportHost host;
    ExportCommands exports{game, dialogs, host};
    ScratchFolder folder;
    int pdfsMade = 0;

    void SetUp() override {
        host.documents = utf8(folder.path());
        game.zeroSheet();
        stat(1, 'c');
        stat(2, 'h', Quarter::Second);
    }
    bool savePdf(std::optional<std::string> bytes = "%PDF-1.4 the report") {
        return exports.saveReportAsPdf([&](const Game& g) {
            EXPECT_EQ(&g, &game);
            ++pdfsMade;
            return bytes;
        });
    }
    // The box after the file dialog: `start`, then the reason (the system's, or `reason`).
    void expectFailure(const std::string& start, const std::string& reason = {}) const {
        ASSERT_EQ(dialogs.shown.size(), 2u);
        const Shown& told = dialogs.shown[1];
        EXPECT_EQ(told.kind, "message");
        EXPECT_TRUE(told.text.starts_with(start)) << told.text;
        if (reason.empty())
            EXPECT_GT(told.text.size(), start.size()) << "no reason given";
        else
            EXPECT_EQ(told.text, start + reason);
        EXPECT_EQ(told.title, "Error!");
        EXPECT_EQ(told.icon, Icon::Critical);
    }
};

// Each asks with its own title and filter for a file named after the game's file (or a name of
// its own), beside the game's file, else where the scorer worked last; an existing file is
// replaced only after a question.
// Cancel writes nothing, shows nothing more and makes no PDF.
TEST_F(Exports, DialogsProposeTheGameFilesNameInTheDocumentsFolder) {
    const struct {
        std::string label, start, pdf, csv;
    } games[] = {{"/games/lincoln.txt", utf8Of(std::filesystem::absolute(pathOf("/games"))),
                  "lincoln.pdf", "lincoln.csv"},
                 {"", utf8(folder.path()), "Tallivant report.pdf", "Tallivant box score.csv"}};
    for (const auto& g : games) {
        SCOPED_TRACE(g.label);
        dialogs.shown.clear();
        host.label = g.label;
        EXPECT_FALSE(savePdf());
        EXPECT_FALSE(exports.exportCsv());
        ASSERT_EQ(dialogs.shown.size(), 2u);
        const FileDialogSetup& pdf = dialogs.shown[0].setup;
        EXPECT_EQ(dialogs.shown[0].kind, "save");
        EXPECT_EQ(pdf.title, "Save the report as PDF");
        ASSERT_EQ(pdf.filters.size(), 1u);
        EXPECT_EQ(pdf.filters[0].label, "PDF files (*.pdf)");
        EXPECT_EQ(pdf.filters[0].pattern, "*.pdf");
        EXPECT_EQ(pdf.defaultSuffix, "pdf");
        EXPECT_EQ(pdf.startFolder, g.start);
        EXPECT_EQ(pdf.startName, g.pdf);
        EXPECT_TRUE(pdf.confirmOverwrite);
        EXPECT_EQ(pdf.ownFile, "");

        const FileDialogSetup& csv = dialogs.shown[1].setup;
        EXPECT_EQ(dialogs.shown[1].kind, "save");
        EXPECT_EQ(csv.title, "Export the box score as CSV");
        ASSERT_EQ(csv.filters.size(), 1u);
        EXPECT_EQ(csv.filters[0].label, "CSV files (*.csv)");
        EXPECT_EQ(csv.filters[0].pattern, "*.csv");
        EXPECT_EQ(csv.defaultSuffix, "csv");
        EXPECT_EQ(csv.startFolder, g.start);
        EXPECT_EQ(csv.startName, g.csv);
        EXPECT_TRUE(csv.confirmOverwrite);
    }
    EXPECT_EQ(pdfsMade, 0);
    EXPECT_TRUE(folder.entries().empty());
    // The window keeps its recovery copy before each box.
    EXPECT_EQ(host.boxes, 4);
}

// The chosen files are written whole, an old one replaced, the plays beside the box score; and
// nothing is said.
TEST_F(Exports, ChosenFilesAreWrittenWithThePlaysBesideTheBoxScore) {
    const std::string pdf = folder / "final.pdf";
    writeBytes(pdf, "an older report, longer than the new one will be");
    dialogs.fileAnswers = {pdf, folder / "final.csv"};
    EXPECT_TRUE(savePdf());
    EXPECT_EQ(readBytes(pdf), "%PDF-1.4 the report");
    EXPECT_TRUE(exports.exportCsv());
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"final-plays.csv", "final.csv", "final.pdf"}));
    EXPECT_TRUE(readBytes(folder / "final.csv").starts_with("\xEF\xBB\xBFPlayer,2PM,"));
    const std::string plays = readBytes(folder / "final-plays.csv");
    EXPECT_TRUE(plays.starts_with("\xEF\xBB\xBF#,Time,Quarter,Player,Stat,Note\r\n1,"));
    EXPECT_NE(plays.find(",Rebound,"), std::string::npos);
    EXPECT_EQ(dialogs.shown.size(), 2u); // the two file dialogs
    EXPECT_EQ(host.used, (std::vector<std::string>{utf8(folder.path()), utf8(folder.path())}));
}

// No export goes over a game: not the game on the window (File|Export CSV onto its own file,
// "Replace?" answered Yes, used to turn it into CSV), not another game file, and not by way of
// the plays file beside the box score. The scorer is told why, the dialog comes back on the
// name chosen, and every file stays as it was.
TEST_F(Exports, NoExportGoesOverAGame) {
    const std::string own = folder / "lincoln.txt", other = folder / "last week.txt",
                      plays = folder / "box-plays.csv";
    const std::string saved = *encodeSavedGame(contentsOf(game), Quarter::First, game.plays());
    for (const std::string& path : {own, other, plays})
        writeBytes(path, saved);
    host.label = own;
    std::filesystem::create_directory(pathOf(folder / "sub"));
    const struct {
        bool csv;
        std::string chosen, reason;
    } cases[] = {
        {true, own, "It is one of the games being read; choose another name."},
        {false, own, "It is one of the games being read; choose another name."},
        {true, other, "It holds a game; choose another name."},
        {false, folder / "sub/../last week.txt", "It holds a game; choose another name."},
        {true, folder / "box.csv", "It holds a game; choose another name."}, // its plays file
        {false, folder / "box.csv", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        const auto before = folder.entries();
        dialogs.shown.clear();
        dialogs.fileAnswers = {c.chosen}; // the second dialog is cancelled
        const bool written = c.csv ? exports.exportCsv() : savePdf();
        for (const std::string& path : {own, other, plays})
            EXPECT_EQ(readBytes(path), saved);
        if (c.reason.empty()) {
            EXPECT_TRUE(written);
            continue;
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(folder.entries(), before);
        ASSERT_EQ(dialogs.shown.size(), 3u);
        EXPECT_EQ(dialogs.shown[1].text, std::string(c.csv ? "The box score has not been exported: "
                                                           : "The report has not been saved: ") +
                                             c.reason);
        EXPECT_EQ(dialogs.shown[2].kind, "save");
        EXPECT_EQ(dialogs.shown[2].setup.startName, c.chosen);
    }
}

// A folder that does not exist, or a PDF that could not be made: the scorer is told why, and
// nothing is written or left behind, an existing file included.
TEST_F(Exports, FailureSaysWhyAndLeavesNothingBehind) {
    const std::string missing = folder / "no such folder";
    dialogs.fileAnswers = {missing + "/final.csv"};
    EXPECT_FALSE(exports.exportCsv());
    expectFailure("The box score has not been exported: ");

    dialogs.shown.clear();
    dialogs.fileAnswers = {missing + "/final.pdf"};
    EXPECT_FALSE(savePdf());
    expectFailure("The report has not been saved: ");

    const std::string pdf = folder / "final.pdf";
    writeBytes(pdf, "the old report");
    dialogs.shown.clear();
    dialogs.fileAnswers = {pdf};
    EXPECT_FALSE(savePdf(std::nullopt));
    expectFailure("The report has not been saved: ", "the PDF could not be made.");
    EXPECT_EQ(readBytes(pdf), "the old report");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"final.pdf"});
}

} // namespace
