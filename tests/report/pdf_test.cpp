// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QPrinter>

#include <filesystem>
#include <string>
#include <vector>

#include "pdf_fixture.h"
#include "pdf_tools.h"
#include "report/place.h"
#include "report/printer.h"
#include "report_sheet.h"
#include "support/scratch_folder.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

TEST_F(PdfReport, LinesHoldTheHeadingsAndValuesInColumnOrderOnOneLandscapePage) {
    fillDistinct(game);
    nameEveryone(game);
    game.setText(fieldByName("txtfgper_2"), "66.67%");
    ASSERT_TRUE(printTo(pdf));
    EXPECT_TRUE(dialogs.shown.empty());

    const PdfInfo info = pdfInfo(pdf);
    ASSERT_TRUE(info.ok) << "pdfinfo could not read " << pdf;
    EXPECT_EQ(info.pages, 1);
    EXPECT_GT(info.width, info.height) << "the page is not landscape";

    const auto printed = wordLines(pdfText(pdf));
    const auto expected = wordLines(expectedReport(game));
    ASSERT_EQ(expected.size(), 42u); // 45 less the three empty lines
    ASSERT_EQ(printed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(printed[i], expected[i]) << "line " << i + 1 << " with words";
}

TEST_F(PdfReport, ColumnsStandAtWholeMultiplesOfOneCharacterWidth) {
    fillDistinct(game);
    nameEveryone(game);
    ASSERT_TRUE(printTo(pdf));
    const auto at = wordBoxes(pdf);
    // Field numbers: player 1's FGM 0 and 3PTM 6, overtime points 288, game total technical
    // fouls 304 and points 305.
    for (const char* w :
         {"Name", "FGM", "3PM", "Tallivant", "0", "6", "288", "304", "305", "Ann", "Bea"})
        ASSERT_TRUE(at.count(w)) << w << " not found in the PDF";

    // "Name" is at column 3 and "FGM" at column 21: one column is a 18th of their distance.
    const double left = at.at("Name").xMin;
    const double column = (at.at("FGM").xMin - left) / 18;
    EXPECT_GT(column, 3.0); // points: a 10-point face's average character
    EXPECT_LT(column, 7.0);
    const auto expectColumn = [&](const char* w, int c) {
        EXPECT_NEAR(at.at(w).xMin, left + (c - 3) * column, column * 0.25) << w;
    };
    expectColumn("0", 21);   // player 1's field goals made under "FGM"
    expectColumn("3PM", 70); // the three-point heading one column left ...
    expectColumn("6", 71);   // ... of its values
    expectColumn("Tallivant", 110);
    expectColumn("288", 73); // overtime points
    expectColumn("305", 72); // game total points, one column further left
    expectColumn("304", 65);
    // Consecutive lines are one line spacing apart.
    const double spacing = at.at("Bea").yMin - at.at("Ann").yMin;
    EXPECT_GT(spacing, 10.0);
    EXPECT_LT(spacing, 16.0);
    EXPECT_NEAR(at.at("0").yMax, at.at("Ann").yMax, 0.5);
    EXPECT_TRUE(runsAlongLongSide(at.at("Tallivant")));
}

TEST_F(PdfReport, LinesPastThePageBottomContinueOnASecondPage) {
    fillDistinct(game);
    // Twelve long names push 24 lines down: 69 lines in all, more than a page holds.
    for (int n = 1; n <= 12; ++n)
        game.setName(n, "Player Number " + std::to_string(n) + " Of The Roster");
    ASSERT_TRUE(printTo(pdf));
    EXPECT_TRUE(dialogs.shown.empty());
    const PdfInfo info = pdfInfo(pdf);
    ASSERT_TRUE(info.ok);
    EXPECT_EQ(info.pages, 2);
    EXPECT_GT(info.width, info.height);

    std::vector<std::string> expected;
    for (const auto& line : wordLines(renderText(composeReport(game))))
        expected.insert(expected.end(), line.begin(), line.end());
    std::vector<std::string> printed;
    for (const auto& line : wordLines(pdfText(pdf)))
        printed.insert(printed.end(), line.begin(), line.end());
    EXPECT_EQ(printed, expected); // nothing lost at the page break, nothing printed twice
}
} // namespace
