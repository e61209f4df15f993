// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "cups_support.h"
#include "report/pdf.h"
#include "report/printer.h"
#include "support/full_game.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

// The faces a PDF's text is set in, without the prefix of a subset ("ABCDEF+DejaVuSans").
std::set<std::string> faces(const std::string& pdf) {
    std::set<std::string> out;
    const auto lines = wordLines(runCommand("pdffonts " + quoted(pdf)).output);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& name = lines[i].front();
        const auto plus = name.find('+');
        out.insert(plus == 6 ? name.substr(plus + 1) : name);
    }
    return out;
}

// How long a word runs along its line, and how far two words stand apart along it, in points:
// the paper's page is tall with the text turned on it, the PDF's page is wide.
double along(const WordBox& w) {
    return std::max(w.xMax - w.xMin, w.yMax - w.yMin);
}
double apart(const WordBox& a, const WordBox& b) {
    // Turned text starts at the bottom of its box.
    const bool turned = b.yMax - b.yMin > b.xMax - b.xMin;
    return turned ? std::abs(a.yMax - b.yMax) : std::abs(a.xMin - b.xMin);
}

class PdfAndPaper : public GameTest {
protected:
    std::set<std::string> filesBefore;
    ScratchFolder folder;

    void SetUp() override {
        requireTestPrinter();
        if (IsSkipped() || HasFatalFailure()) return;
        filesBefore = pdfFiles();
    }
    void TearDown() override {
        for (const std::string& pdf : newFiles(filesBefore))
            std::filesystem::remove(pdf);
    }
};

// A game with every kind of stat, overtime, and names with accents, "&", a comma and a quote:
// the PDF saved holds, line for line, what File|Print put on paper.
TEST_F(PdfAndPaper, SavedPdfHoldsTheLinesPrintedOnPaper) {
    playFullGame(game);
    filePrint(game, dialogs);
    const std::vector<std::string> printed = awaitPdfs(filesBefore, 1);
    ASSERT_EQ(printed.size(), 1u);

    const std::optional<std::string> bytes = reportPdf(game);
    ASSERT_TRUE(bytes);
    const std::string saved = folder / "report.pdf";
    writeBytes(saved, *bytes);

    // Read with -layout: the same words on the same lines, in the same faces, on as many pages.
    // (The paper's page is turned and has no margin, so pdftotext's spacing between the
    // columns may differ by a blank.)
    const auto paper = wordLines(pdfText(printed[0]));
    ASSERT_EQ(paper.size(), 42u) << pdfText(printed[0]); // 45 lines less the three empty ones
    EXPECT_EQ(wordLines(pdfText(saved)), paper);
    EXPECT_EQ(faces(saved), faces(printed[0]));
    EXPECT_EQ(pdfInfo(saved).pages, pdfInfo(printed[0]).pages);
    // The same size of type and the same columns: "Tallivant" as long, and as far from "Name".
    const auto onPaper = wordBoxes(printed[0]), inPdf = wordBoxes(saved);
    ASSERT_TRUE(onPaper.count("Tallivant") && onPaper.count("Name") && inPdf.count("Tallivant") &&
                inPdf.count("Name"));
    const double length = along(onPaper.at("Tallivant"));
    EXPECT_NEAR(along(inPdf.at("Tallivant")), length, length * 0.02);
    const double distance = apart(onPaper.at("Name"), onPaper.at("Tallivant"));
    EXPECT_NEAR(apart(inPdf.at("Name"), inPdf.at("Tallivant")), distance, distance * 0.01);
    const std::string text = pdfText(saved);
    for (const char* name : {"4 Zoë Åberg", "5 Lee, Ann", "7 Mo \"Big\" Ba", "Zed", "R&B"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
    EXPECT_EQ(std::count(text.begin(), text.end(), '&'), 2) << "R&B in each table, no other";
}

} // namespace
