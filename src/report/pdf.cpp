// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

#include "report/paint.h"
#include "report/printer.h"

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

std::optional<std::string> reportPdf(const Game& game, const QPageSize& paper) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setTitle(QString::fromUtf8(kPrintJobTitle));
        writer.setCreator(QStringLiteral("Tallivant"));
        const QMarginsF margins(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints,
                                kPdfMarginPoints);
        if (!writer.setPageLayout(
                QPageLayout(paper, QPageLayout::Landscape, margins, QPageLayout::Point)))
            return std::nullopt;

        QPainter painter;
        if (!painter.begin(&writer)) return std::nullopt;
        if (!drawReport(game, painter, writer, [] { return false; })) return std::nullopt;
        if (!painter.end()) return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tallivant
