// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The season totals as a PDF file and on a printer, read back with poppler's tools.
#include <gtest/gtest.h>

#include <QLocale>
#include <QPrinter>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "pdf_tools.h"
#include "report/pdf.h"
#include "report/printer.h"
#include "report/season_paint.h"
#include "support/scratch_folder.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

const std::string kLongName = "Maximiliano Alejandro de la Santísima Trinidad Fernández-Villaverde";

// The first player, accented, made 2 of 3 two-point field goals; the second tried no three;
// the third's name is too long to print whole. From 30 players on, the widest text of each
// column, and so the type, stays the same.
Season seasonOf(int players) {
    const std::vector<std::string> firsts = {"Zoë Ångström-Łukasiewicz", "Lee, Ann", kLongName};
    Season season;
    season.team = {"Team", 10, {}};
    for (int i = 0; i < players; ++i) {
        SeasonLine line{i < 3 ? firsts[i] : "Player " + std::to_string(i + 1), 1 + i % 10, {}};
        for (int col = 0; col < kColumns; ++col)
            line.totals[col] = (i * 7 + col * 13) % 89;
        for (int made : {FGM, FTM, TPM})
            line.totals[made + 1] = line.totals[made] + i % 11; // the attempts
        if (i == 0) {
            line.totals[FGM] = 2;
            line.totals[FGA] = 3;
        }
        if (i == 1) line.totals[TPM] = line.totals[TPA] = 0;
        for (int col = 0; col < kColumns; ++col)
            season.team.totals[col] += line.totals[col];
        season.players.push_back(line);
    }
    return season;
}

struct Word {
    double xMin = 0, xMax = 0, yMax = 0;
    std::string text;
};

// Each page's lines of words, top to bottom and left to right.
std::vector<std::vector<std::vector<Word>>> pageLines(const std::string& pdf) {
    std::vector<std::vector<Word>> pages;
    std::istringstream in(runCommand("pdftotext -bbox " + quoted(pdf) + " -").output);
    for (std::string line; std::getline(in, line);) {
        Word w;
        if (line.find("<page ") != std::string::npos) pages.emplace_back();
        if (std::sscanf(line.c_str(), " <word xMin=\"%lf\" yMin=\"%*f\" xMax=\"%lf\" yMax=\"%lf\"",
                        &w.xMin, &w.xMax, &w.yMax) != 3)
            continue;
        const auto start = line.find('>') + 1;
        w.text = line.substr(start, line.find("</word>") - start);
        pages.back().push_back(w);
    }
    std::vector<std::vector<std::vector<Word>>> out;
    for (auto& words : pages) {
        std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
            return std::pair(a.yMax, a.xMin) < std::pair(b.yMax, b.xMin);
        });
        auto& lines = out.emplace_back();
        for (const Word& w : words) {
            if (lines.empty() || w.yMax - lines.back().front().yMax > 1) lines.emplace_back();
            lines.back().push_back(w);
        }
    }
    return out;
}

class SeasonPdf : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string pdf = folder / "season.pdf";

    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // Saves the season as an A4 PDF and expects on every page the title with the date at the
    // table's right, the headers, then the next players in order, the team last: each number
    // right-aligned under its header, no word running into the next, nothing past a margin.
    // Gives the number of table lines on each page.
    std::vector<std::size_t> expectTable(const Season& season) {
        writeBytes(pdf, seasonPdf(season, "March 14, 2026", QPageSize(QPageSize::A4)).value());
        const PdfInfo info = pdfInfo(pdf);
        EXPECT_NEAR(info.width, 842, 1);
        EXPECT_NEAR(info.height, 595, 1);
        std::vector<SeasonLine> expected = season.players;
        expected.push_back(season.team);
        std::size_t next = 0;
        std::vector<std::string> heading = words("Season totals March 14, 2026");
        heading.insert(heading.end(), kSeasonHeaders.begin(), kSeasonHeaders.end());
        std::vector<std::size_t> rowsOnPages;
        for (const auto& page : pageLines(pdf)) {
            std::vector<std::string> texts;
            for (const auto& line : page)
                for (const Word& w : line)
                    texts.push_back(w.text);
            texts.resize(std::min(texts.size(), heading.size()));
            EXPECT_EQ(texts, heading);
            const auto& header = page.at(1);
            EXPECT_NEAR(page[0].back().xMax, header.back().xMax, 0.5) << "date";
            rowsOnPages.push_back(page.size() - 2);
            for (std::size_t l = 2; l < page.size() && next < expected.size(); ++l, ++next) {
                const auto& line = page[l];
                const auto row = seasonRowTexts(expected[next], ".", kNoAttemptsShown);
                if (line.size() < kSeasonColumns) {
                    ADD_FAILURE() << row[0] << " is missing words";
                    return {};
                }
                const std::size_t nameWords = line.size() - (kSeasonColumns - 1);
                std::string name = line[0].text;
                for (std::size_t i = 1; i < nameWords; ++i)
                    name += " " + line[i].text;
                const bool cut =
                    name.ends_with("…") && kLongName.starts_with(name.substr(0, name.size() - 3));
                EXPECT_TRUE(row[0] == kLongName ? cut : name == row[0]) << name;
                EXPECT_NEAR(line[0].xMin, header[0].xMin, 0.5) << row[0];
                for (std::size_t c = 1; c < kSeasonColumns; ++c) {
                    EXPECT_EQ(line.at(nameWords + c - 1).text, row[c]) << row[0] << ", " << c;
                    EXPECT_NEAR(line[nameWords + c - 1].xMax, header[c].xMax, 0.5) << row[0];
                }
                for (std::size_t i = 1; i < line.size(); ++i)
                    EXPECT_LT(line[i - 1].xMax, line[i].xMin) << row[0];
                EXPECT_LE(line.back().xMax, info.width - kPdfMarginPoints + 0.5) << row[0];
                EXPECT_LE(line.back().yMax, info.height - kPdfMarginPoints + 0.5) << row[0];
            }
        }
        EXPECT_EQ(next, expected.size()) << "lines lost or left over";
        return rowsOnPages;
    }
};

TEST_F(SeasonPdf, LongSeasonBreaksOverLandscapePagesWithTitleAndHeadersOnEach) {
    EXPECT_GE(expectTable(seasonOf(70)).size(), 2u);
    const auto lines = wordLines(pdfText(pdf));
    EXPECT_EQ(lines.at(2).at(2 + seasonColumnOf(BoxCol::TwoPPer) - 1), "66.67");
    EXPECT_EQ(lines.at(3).at(2 + seasonColumnOf(BoxCol::ThreePPer) - 1), kNoAttemptsShown); // Lee
}

// The team line, with the empty line above it, goes to the next page when the two do not fit.
TEST_F(SeasonPdf, TeamLineAtAPageBreakLosesNothing) {
    const int full = static_cast<int>(expectTable(seasonOf(70)).at(0));
    for (int players = full - 2; players <= full + 1; ++players) {
        SCOPED_TRACE(std::to_string(players) + " players, " + std::to_string(full) + " a page");
        EXPECT_EQ(expectTable(seasonOf(players)).size(), players + 2 <= full ? 1u : 2u);
    }
}

// On a printer set to portrait, turned to landscape, with the locale's decimal separator.
TEST_F(SeasonPdf, PrintedSeasonIsLandscapeInTheLocalesSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setPageOrientation(QPageLayout::Portrait);
    ASSERT_TRUE(printSeason(seasonOf(70), "14.03.2026", printer));
    EXPECT_GT(pdfInfo(pdf).width, pdfInfo(pdf).height);
    EXPECT_EQ(wordLines(pdfText(pdf)).at(2).at(2 + seasonColumnOf(BoxCol::TwoPPer) - 1), "66,67");
}

} // namespace
