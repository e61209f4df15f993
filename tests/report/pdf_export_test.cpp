// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report as a PDF file of its own, on the paper of the scorer's country. (Its lines are
// those on paper: cups_pdf_test.cpp.)
#include <gtest/gtest.h>

#include <QLocale>

#include "pdf_tools.h"
#include "report/pdf.h"
#include "report/place.h"
#include "report_sheet.h"
#include "support/scratch_folder.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

class PdfExport : public GameTest {
protected:
    ScratchFolder folder;
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    PdfInfo write(const std::string& name) {
        const std::optional<std::string> bytes = reportPdf(game);
        EXPECT_TRUE(bytes && bytes->starts_with("%PDF-"));
        writeBytes(folder / name, bytes.value_or(""));
        return pdfInfo(folder / name);
    }
};

// A4 in landscape, or US Letter where the locale's country uses it.
TEST_F(PdfExport, PaperIsTheLocalesTurnedToLandscape) {
    fillDistinct(game);
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        double width, height;
    } locales[] = {
        {QLocale::English, QLocale::UnitedStates, 792, 612},
        {QLocale::French, QLocale::Canada, 792, 612},
        {QLocale::Spanish, QLocale::Mexico, 792, 612},
        {QLocale::German, QLocale::Germany, 842, 595},
        {QLocale::English, QLocale::UnitedKingdom, 842, 595},
        {QLocale::English, QLocale::Australia, 842, 595},
    };
    for (const auto& l : locales) {
        const QLocale locale(l.language, l.territory);
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        const PdfInfo info = write(locale.name().toStdString() + ".pdf");
        ASSERT_TRUE(info.ok);
        EXPECT_EQ(info.pages, 1);
        EXPECT_NEAR(info.width, l.width, 1);
        EXPECT_NEAR(info.height, l.height, 1);
    }
}

// The longest heading (two lines of long names and a place of 60 characters, overtime played)
// above a full sheet still leaves the report on one page of either paper, every word in order.
TEST_F(PdfExport, LongHeadingKeepsTheReportOnOnePageOfA4AndLetter) {
    fillDistinct(game);
    nameEveryone(game);
    GameDetails details{"Northern Valley Community College Eagles",
                        "Southern Ridge Technical Institute Hawks",
                        "2026-12-09",
                        "Municipal Sports Hall of the Greater North Valley, East Gym.",
                        {}};
    ASSERT_EQ(details.place.size(), 60u);
    game.setMatchup(
        {details, {{1, "19:00:00", Quarter::Overtime, OpponentWhat::Set, 12, true, {}}}});
    const std::vector<std::string> lines = renderText(composeReport(game));
    ASSERT_EQ(lines.size(), 47u); // two heading lines, an empty one, and one less between tables
    ASSERT_TRUE(lines[1].find("East Gym") != std::string::npos) << lines[1];

    std::vector<std::string> expected;
    for (const auto& line : wordLines(lines))
        expected.insert(expected.end(), line.begin(), line.end());
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        SCOPED_TRACE(QPageSize::name(paper).toStdString());
        const std::optional<std::string> bytes = reportPdf(game, QPageSize(paper));
        ASSERT_TRUE(bytes);
        const std::string path = folder / "heading.pdf";
        writeBytes(path, *bytes);
        const PdfInfo info = pdfInfo(path);
        ASSERT_TRUE(info.ok);
        EXPECT_EQ(info.pages, 1);
        std::vector<std::string> printed;
        for (const auto& line : wordLines(pdfText(path)))
            printed.insert(printed.end(), line.begin(), line.end());
        EXPECT_EQ(printed, expected);
    }
}

} // namespace
