// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/printer.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include "report/print_job.h"

namespace tallivant {
namespace {

std::string reportText(const char* english) {
    return QCoreApplication::translate("Report", english).toStdString();
}

bool failed(const QPrinter& printer) {
    return printer.printerState() == QPrinter::Error;
}

bool paintReport(const Game& game, QPrinter& printer) {
    if (!printer.isValid()) return false;
    printer.setDocName(QCoreApplication::translate("Report", kPrintJobTitle));
    if (!printer.setPageOrientation(QPageLayout::Landscape) ||
        printer.pageLayout().orientation() != QPageLayout::Landscape)
        return false;

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    if (!drawReport(game, painter, printer, [&printer] { return failed(printer); })) {
        printer.abort();
        return false;
    }
    if (!painter.end() || failed(printer)) return false;
    return printJobTaken(printer);
}

void showPrintError(Dialogs& dialogs) {
    dialogs.message(reportText(kPrintErrorText), reportText(kPrintErrorTitle), Icon::Critical);
}

} // namespace

bool prready(Dialogs& dialogs) {
    return dialogs.okCancel(reportText(kPrinterCheckText), reportText(kPrinterCheckTitle));
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

bool printSeason(const Season& season, const std::string& date, QPrinter& printer) {
    if (!printer.isValid()) return false;
    printer.setDocName(QCoreApplication::translate("Report", kSeasonJobTitle));
    if (!printer.setPageOrientation(QPageLayout::Landscape) ||
        printer.pageLayout().orientation() != QPageLayout::Landscape)
        return false;

    const auto failed = [&printer] { return printer.printerState() == QPrinter::Error; };
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    if (!drawSeason(season, date, painter, printer, failed)) {
        printer.abort();
        return false;
    }
    if (!painter.end() || failed()) return false;
    return printJobTaken(printer);
}

} // namespace tallivant
