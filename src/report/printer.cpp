// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include "report/place.h"
#include "report/print_job.h"

namespace tallivant {
namespace {

bool failed(const QPrinter& printer) {
    return printer.printerState() == QPrinter::Error;
}

bool paintReport(const Game& game, QPrinter& printer) {
    if (!printer.isValid()) return false;
    printer.setDocName(QString::fromUtf8(kPrintJobTitle));
    if (!printer.setPageOrientation(QPageLayout::Landscape) ||
        printer.pageLayout().orientation() != QPageLayout::Landscape)
        return false;

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font = painter.font();
    font.setPointSizeF(kReportPointSize);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);

    const auto measure = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    const std::vector<PlacedLine> lines =
        placeReport(composeReport(game), metrics.averageCharWidth(), measure);

    const double pageHeight = printer.height();
    double top = 0;
    for (const PlacedLine& line : lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!printer.newPage()) {
                printer.abort();
                return false;
            }
            top = 0;
        }
        for (const PlacedItem& item : line)
            painter.drawText(QPointF(item.x, top + metrics.ascent()),
                             QString::fromStdString(item.text));
        top += metrics.lineSpacing();
        if (failed(printer)) {
            printer.abort();
            return false;
        }
    }
    if (!painter.end() || failed(printer)) return false;
    return printJobTaken(printer);
}

void showPrintError(Dialogs& dialogs) {
    dialogs.message(kPrintErrorText, kPrintErrorTitle, Icon::Critical);
}

} // namespace

bool prready(Dialogs& dialogs) {
    return dialogs.okCancel(kPrinterCheckText, kPrinterCheckTitle);
}

bool printreport(const Game& game, QPrinter& printer, Dialogs& dialogs) {
    if (paintReport(game, printer)) return true;
    showPrintError(dialogs);
    return false;
}

bool printreport(const Game& game, Dialogs& dialogs) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        showPrintError(dialogs);
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    return printreport(game, printer, dialogs);
}

void filePrint(const Game& game, Dialogs& dialogs) {
    if (prready(dialogs)) printreport(game, dialogs);
}

} // namespace tallivant
