// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/season_paint.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <vector>

#include "report/paint.h"

namespace tallivant {
namespace {

using Row = std::array<QString, kSeasonColumns>;

struct Table {
    QFont font;
    // Where each column ends; the player's column starts at the margin and the numbers end here.
    std::array<double, kSeasonColumns> right{};
};

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Row rowOf(const SeasonLine& line, std::string_view separator) {
    Row row;
    const auto texts = seasonRowTexts(line, separator, kNoAttemptsShown);
    for (int c = 0; c < kSeasonColumns; ++c)
        row[c] = QString::fromStdString(texts[c]);
    return row;
}

// The largest type, in half points, at which the table fits the page's width with the names
// cut at kSeasonNameCharacters; at the smallest type the names get whatever width is left.
Table layOut(const std::vector<Row>& rows, const Row& headers, QFont font,
             const QPaintDevice& device) {
    const double pageWidth = device.width();
    for (double size = kReportPointSize;; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font, &device);
        const double gap = metrics.averageCharWidth();

        std::array<double, kSeasonColumns> widths{};
        for (int c = 0; c < kSeasonColumns; ++c)
            widths[c] = metrics.horizontalAdvance(headers[c]);
        for (const Row& row : rows)
            for (int c = 0; c < kSeasonColumns; ++c)
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]));

        double numbers = 0;
        for (int c = 1; c < kSeasonColumns; ++c)
            numbers += gap + widths[c];
        const double header = metrics.horizontalAdvance(headers[0]);
        double names = std::min(widths[0], std::max(header, kSeasonNameCharacters * gap));
        const bool fits = names + numbers <= pageWidth;
        if (!fits && size > kSeasonSmallestPointSize) continue;
        if (!fits) names = std::max(header, pageWidth - numbers);

        Table table{font, {}};
        table.right[0] = names;
        for (int c = 1; c < kSeasonColumns; ++c)
            table.right[c] = table.right[c - 1] + gap + widths[c];
        return table;
    }
}

} // namespace

std::string seasonDate() {
    return QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
}

bool drawSeason(const Season& season, const std::string& date, QPainter& painter,
                QPagedPaintDevice& device, const std::function<bool()>& failed) {
    const std::string separator = QLocale().decimalPoint().toStdString();
    std::vector<Row> rows;
    rows.reserve(season.players.size() + 1);
    for (const SeasonLine& player : season.players)
        rows.push_back(rowOf(player, separator));
    rows.push_back(rowOf(season.team, separator));
    Row headers;
    for (int c = 0; c < kSeasonColumns; ++c)
        headers[c] = qstring(kSeasonHeaders[c]);

    const Table table = layOut(rows, headers, painter.font(), device);
    painter.setFont(table.font);
    const QFontMetricsF metrics(table.font, &device);
    const double nameWidth = table.right[0];
    const double tableRight = table.right[kSeasonColumns - 1];

    double top = 0;
    const auto drawRow = [&](const Row& row) {
        const double baseline = top + metrics.ascent();
        painter.drawText(QPointF(0, baseline),
                         metrics.elidedText(row[0], Qt::ElideRight, nameWidth));
        for (int c = 1; c < kSeasonColumns; ++c)
            painter.drawText(QPointF(table.right[c] - metrics.horizontalAdvance(row[c]), baseline),
                             row[c]);
    };
    const auto nextLine = [&] {
        top += metrics.lineSpacing();
        return !failed();
    };
    const QString title = qstring(kSeasonTitle);
    const QString printedDate = QString::fromStdString(date);
    const auto drawHeading = [&] {
        const double baseline = top + metrics.ascent();
        painter.drawText(QPointF(0, baseline), title);
        painter.drawText(QPointF(tableRight - metrics.horizontalAdvance(printedDate), baseline),
                         printedDate);
        if (!nextLine() || !nextLine()) return false;
        drawRow(headers);
        return nextLine();
    };

    if (!drawHeading()) return false;
    const double pageHeight = device.height();
    bool pageHasRows = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // The team stands apart from the players, except at the top of a page.
        const bool team = i + 1 == rows.size();
        if (pageHasRows &&
            top + (team ? metrics.lineSpacing() : 0) + metrics.height() > pageHeight) {
            if (!device.newPage()) return false;
            top = 0;
            if (!drawHeading()) return false;
            pageHasRows = false;
        }
        if (team && pageHasRows && !nextLine()) return false;
        drawRow(rows[i]);
        pageHasRows = true;
        if (!nextLine()) return false;
    }
    return true;
}

} // namespace tallivant
