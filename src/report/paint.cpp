// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/paint.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include "report/place.h"

namespace tallivant {

namespace {
// The composition's own words, which it marks in the context "Core".
std::string translatedWord(const char* english) {
    return QCoreApplication::translate("Core", english).toStdString();
}
} // namespace

bool drawReport(const Game& game, QPainter& painter, QPagedPaintDevice& device,
                const std::function<bool()>& failed) {
    QFont font = painter.font();
    font.setPointSizeF(kReportPointSize);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);

    const auto measure = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    const std::vector<PlacedLine> lines =
        placeReport(composeReport(game, translatedWord), metrics.averageCharWidth(), measure);

    const double pageHeight = device.height();
    double top = 0;
    for (const PlacedLine& line : lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!device.newPage()) return false;
            top = 0;
        }
        for (const PlacedItem& item : line)
            painter.drawText(QPointF(item.x, top + metrics.ascent()),
                             QString::fromStdString(item.text));
        top += metrics.lineSpacing();
        if (failed()) return false;
    }
    return true;
}

} // namespace tallivant
