// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/season_paint.h"

#include <QCoreApplication>
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

// A column header the season marks in the context "Core"; the abbreviations have no translation
// and stay as they are.
QString header(std::string_view english) {
    return QCoreApplication::translate("Core", std::string(english).c_str());
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

// Under the table, the team's record and the games counted, a line each, in columns of their
// widest text (an opponent cut at kSeasonNameCharacters); a page that is full goes on to the
// next with the list's headers again.
bool drawGames(const Season& season, const std::string& separator, QPainter& painter,
               QPagedPaintDevice& device, double top, const std::function<bool()>& failed) {
    if (season.games.empty()) return true;
    const QFontMetricsF metrics(painter.font(), &device);
    const double gap = 2 * metrics.averageCharWidth();
    std::vector<std::array<QString, kSeasonGameColumns>> rows;
    rows.reserve(season.games.size());
    std::array<QString, kSeasonGameColumns> headers;
    std::array<double, kSeasonGameColumns> widths{};
    for (int c = 0; c < kSeasonGameColumns; ++c) {
        headers[c] = header(kSeasonGameHeaders[c]);
        widths[c] = metrics.horizontalAdvance(headers[c]);
    }
    for (const SeasonGame& game : season.games) {
        auto& row = rows.emplace_back();
        const auto texts = seasonGameTexts(game);
        for (int c = 0; c < kSeasonGameColumns; ++c) {
            row[c] = QString::fromStdString(texts[c]);
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]));
        }
    }
    widths[1] = std::min(widths[1], std::max(metrics.horizontalAdvance(headers[1]),
                                             kSeasonNameCharacters * metrics.averageCharWidth()));
    std::array<double, kSeasonGameColumns> left{};
    for (int c = 1; c < kSeasonGameColumns; ++c)
        left[c] = left[c - 1] + widths[c - 1] + gap;
    widths[3] = std::max(0.0, device.width() - left[3]);

    const double pageHeight = device.height();
    const auto line = [&](const std::array<QString, kSeasonGameColumns>* row, const QString& alone,
                          bool keepsHeaders) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!device.newPage()) return false;
            top = 0;
            if (keepsHeaders) {
                for (int c = 0; c < kSeasonGameColumns; ++c)
                    painter.drawText(QPointF(left[c], metrics.ascent()), headers[c]);
                top = metrics.lineSpacing();
            }
        }
        const double baseline = top + metrics.ascent();
        if (row) {
            for (int c = 0; c < kSeasonGameColumns; ++c)
                painter.drawText(QPointF(left[c], baseline),
                                 metrics.elidedText((*row)[c], Qt::ElideRight, widths[c]));
        } else {
            painter.drawText(QPointF(0, baseline), alone);
        }
        top += metrics.lineSpacing();
        return !failed();
    };
    top += metrics.lineSpacing();
    const CoreText record = recordLineText(season.record, separator);
    const std::string shown = QCoreApplication::translate("Core", record.text).toStdString();
    if (!line(nullptr, QString::fromStdString(filledEnglish(shown, record.values)), false))
        return false;
    top += metrics.lineSpacing();
    if (!line(&headers, {}, false)) return false;
    for (const auto& row : rows)
        if (!line(&row, {}, true)) return false;
    return true;
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
        headers[c] = header(kSeasonHeaders[c]);

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
    const QString title = QCoreApplication::translate("Report", kSeasonTitle);
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
    return drawGames(season, separator, painter, device, top, failed);
}

} // namespace tallivant
