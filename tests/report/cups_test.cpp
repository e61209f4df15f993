// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <cstdlib>
#include <filesystem>

#include "cups_support.h"
#include "report/place.h"
#include "report/printer.h"
#include "report_sheet.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

class CupsPrint : public GameTest {
protected:
    std::set<std::string> filesBefore;
    std::set<std::string> jobsBefore;

    void SetUp() override {
        requireTestPrinter();
        if (IsSkipped() || HasFatalFailure()) return;
        fillDistinct(game);
        for (int n = 1; n <= 12; ++n)
            game.setName(n, "Player " + std::to_string(n));
        game.setName(7, "A Name Long Enough To Push");
        game.selectPlayer(4);
        filesBefore = pdfFiles();
        jobsBefore = jobIds(kTestQueue);
    }
    void TearDown() override {
        unsetenv("PRINTER");
        for (const std::string& pdf : newFiles(filesBefore))
            std::filesystem::remove(pdf);
    }

    std::set<std::string> newJobs() const {
        std::set<std::string> out;
        for (const std::string& id : jobIds(kTestQueue))
            if (!jobsBefore.count(id)) out.insert(id);
        return out;
    }

    void expectOnlyThePrinterQuestion() const {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, "okCancel");
        EXPECT_EQ(dialogs.shown[0].text, "Make sure the printer is ready");
        EXPECT_EQ(dialogs.shown[0].title, "Printer Check");
        EXPECT_EQ(dialogs.shown[0].icon, Icon::None);
    }
};

TEST_F(CupsPrint, OkPrintsOneLandscapeReportOnTheDefaultQueue) {
    filePrint(game, dialogs);
    expectOnlyThePrinterQuestion();
    EXPECT_EQ(newJobs().size(), 1u);

    const std::vector<std::string> pdfs = awaitPdfs(filesBefore, 1);
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_EQ(pdfInfo(pdfs[0]).pages, 1);
    const auto words = wordBoxes(pdfs[0]);
    ASSERT_TRUE(words.count("Tallivant")) << "no readable text in " << pdfs[0];
    EXPECT_TRUE(runsAlongLongSide(words.at("Tallivant"))) << "the report is not landscape";
    EXPECT_EQ(wordLines(pdfText(pdfs[0])), wordLines(renderText(composeReport(game))));
}

TEST_F(CupsPrint, CancelPrintsNothingAndShowsNothingElse) {
    dialogs.okCancelAnswers = {false};
    filePrint(game, dialogs);
    expectOnlyThePrinterQuestion();
    // The job would have been queued before filePrint returned.
    EXPECT_TRUE(newJobs().empty());
    EXPECT_TRUE(newFiles(filesBefore).empty());
}

TEST_F(CupsPrint, PrintingTwiceGivesTwoIdenticalReportsAndLeavesTheSheetAlone) {
    const SheetCopy before = copySheet(game);
    filePrint(game, dialogs);
    filePrint(game, dialogs);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.messageTexts().empty());
    EXPECT_EQ(newJobs().size(), 2u);

    const std::vector<std::string> pdfs = awaitPdfs(filesBefore, 2);
    ASSERT_EQ(pdfs.size(), 2u);
    const std::string first = pdfText(pdfs[0]);
    EXPECT_FALSE(wordLines(first).empty());
    EXPECT_EQ(first, pdfText(pdfs[1]));
    EXPECT_EQ(pdfInfo(pdfs[0]).pages, pdfInfo(pdfs[1]).pages);
    EXPECT_TRUE(copySheet(game) == before) << "printing changed the sheet";
}

TEST_F(CupsPrint, RefusedJobShowsThePrintingError) {
    // The user's own default, as CUPS lets each user choose, is the queue that refuses jobs.
    setenv("PRINTER", kRefusingQueue, 1);
    ASSERT_EQ(QPrinterInfo::defaultPrinterName().toStdString(), kRefusingQueue);
    const SheetCopy before = copySheet(game);
    filePrint(game, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    expectPrintingError(dialogs.shown[1]);
    EXPECT_TRUE(copySheet(game) == before);
    EXPECT_TRUE(newJobs().empty());
}

} // namespace
