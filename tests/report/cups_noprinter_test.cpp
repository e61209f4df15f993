// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <cstdlib>

#include "cups_support.h"
#include "report/printer.h"
#include "report_sheet.h"

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

} // namespace
