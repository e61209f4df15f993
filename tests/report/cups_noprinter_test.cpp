// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <cstdlib>

#include "cups_support.h"
#include "report/pdf.h"
#include "report/place.h"
#include "report/printer.h"
#include "report_sheet.h"
#include "session/exports.h"
#include "support/scratch_folder.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

// This program talks to a CUPS scheduler at a socket nobody listens on: to it, the machine has
// no printer at all. Set before the first test asks CUPS anything, since CUPS keeps the
// server it first used.
class HideScheduler : public ::testing::Environment {
public:
    void SetUp() override { setenv("CUPS_SERVER", "/nonexistent/tallivant-no-cups.sock", 1); }
};
::testing::Environment* const hideScheduler =
    ::testing::AddGlobalTestEnvironment(new HideScheduler);

class CupsNoPrinter : public GameTest {};

TEST_F(CupsNoPrinter, FilePrintShowsTheErrorAndChangesNothing) {
    requireTestPrinter(); // the test scheduler is up, only this program cannot see it
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    fillDistinct(game);
    game.setName(1, "Ann");
    const SheetCopy before = copySheet(game);
    const std::set<std::string> jobsBefore = jobIds(kTestQueue);
    const std::set<std::string> filesBefore = pdfFiles();

    filePrint(game, dialogs);

    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, "okCancel");
    EXPECT_EQ(dialogs.shown[0].title, "Printer Check");
    expectPrintingError(dialogs.shown[1]);
    EXPECT_TRUE(copySheet(game) == before);
    EXPECT_EQ(jobIds(kTestQueue), jobsBefore);
    EXPECT_EQ(pdfFiles(), filesBefore);
}

// File|Save report as PDF asks nothing about a printer and needs none.
TEST_F(CupsNoPrinter, SaveReportAsPdfNeedsNoPrinter) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    fillDistinct(game);
    nameEveryone(game);
    class Host : public FilesHost {
    public:
        void switchFirstQuarterOn() override {}
        void setFileLabel(const std::string&) override {}
        std::string fileLabel() const override { return {}; }
    } host;
    ScratchFolder folder;
    const std::string pdf = folder / "report.pdf";
    dialogs.fileAnswers = {pdf};
    EXPECT_TRUE(ExportCommands(game, dialogs, host).saveReportAsPdf([](const Game& g) {
        return reportPdf(g);
    }));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "save");
    EXPECT_EQ(wordLines(pdfText(pdf)), wordLines(expectedReport(game)));
}

} // namespace
