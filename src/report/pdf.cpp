// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <functional>

#include "report/paint.h"
#include "report/season_paint.h"

namespace tallivant {

namespace {
// The printer's resolution in Qt's high-resolution mode: the same font metrics, so the same
// places and page breaks, as on paper.
constexpr int kResolution = 1200;

constexpr std::array kLetterTerritories = {
    QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,
    QLocale::Philippines,  QLocale::PuertoRico, QLocale::Chile,
    QLocale::Colombia,     QLocale::Venezuela,  QLocale::Bolivia,
    QLocale::CostaRica,    QLocale::Guatemala,  QLocale::Nicaragua,
    QLocale::Panama,       QLocale::ElSalvador, QLocale::DominicanRepublic,
};
} // namespace

QPageSize paperFor(QLocale::Territory territory) {
    const bool letter = std::find(kLetterTerritories.begin(), kLetterTerritories.end(),
                                  territory) != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QPageSize localPaper() {
    return paperFor(QLocale().territory());
}

namespace {
// A landscape PDF on `paper` with the drawing's pages, titled in the reader's language.
std::optional<std::string> pdfOf(const char* title, const QPageSize& paper,
                                 const std::function<bool(QPainter&, QPagedPaintDevice&)>& draw) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setTitle(QCoreApplication::translate("Report", title));
        writer.setCreator(QStringLiteral("Tallivant"));
        const QMarginsF margins(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints,
                                kPdfMarginPoints);
        if (!writer.setPageLayout(
                QPageLayout(paper, QPageLayout::Landscape, margins, QPageLayout::Point)))
            return std::nullopt;

        QPainter painter;
        if (!painter.begin(&writer)) return std::nullopt;
        if (!draw(painter, writer)) return std::nullopt;
        if (!painter.end()) return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
} // namespace

std::optional<std::string> reportPdf(const Game& game, const QPageSize& paper) {
    return pdfOf(kPrintJobTitle, paper, [&game](QPainter& painter, QPagedPaintDevice& device) {
        return drawReport(game, painter, device, [] { return false; });
    });
}

std::optional<std::string> seasonPdf(const Season& season, const std::string& date,
                                     const QPageSize& paper) {
    return pdfOf(kSeasonJobTitle, paper, [&](QPainter& painter, QPagedPaintDevice& device) {
        return drawSeason(season, date, painter, device, [] { return false; });
    });
}

} // namespace tallivant
