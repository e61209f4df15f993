// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report as a PDF file of its own, on the paper of the scorer's country. (Its lines are
// those on paper: cups_pdf_test.cpp.)
#include <gtest/gtest.h>

#include <QLocale>

#include "pdf_tools.h"
#include "report/pdf.h"
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

} // namespace
