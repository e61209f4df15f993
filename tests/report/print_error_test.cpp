// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A print job that cannot start, on every system.
#include <gtest/gtest.h>

#include <filesystem>

#include "pdf_fixture.h"
#include "report_sheet.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

TEST_F(PdfReport, PrinterThatCannotStartShowsThePrintingErrorOnce) {
    const std::string unreachable = folder / "no-such-folder/report.pdf";
    EXPECT_FALSE(printTo(unreachable));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    expectPrintingError(dialogs.shown[0]);
    EXPECT_FALSE(std::filesystem::exists(unreachable));
}

} // namespace
