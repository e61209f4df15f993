// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the report is composed from a full sheet, and printed into a PDF file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <string>

#include "report/compose.h"
#include "report/place.h"
#include "report/printer.h"
#include "support/fake_dialogs.h"

using namespace tallivant;

namespace {

// A late-game sheet: every field holds a count or a percentage, every player has a name.
void fillSheet(Game& game) {
    for (int id = 0; id < kFields; ++id) {
        const Field f = Field::fromId(id);
        const bool percent = f.col == FGPER || f.col == FTPER || f.col == TPPER;
        game.setText(f, percent ? "66.67%" : std::to_string(id % 40));
    }
    for (int n = 1; n <= kPlayers; ++n)
        game.setName(n, "Player Number " + std::to_string(n));
}

void BM_ComposeReport(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    fillSheet(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(composeReport(game));
}
BENCHMARK(BM_ComposeReport);

// Composition and the fixed-width placement of every item.
void BM_ComposeAndRenderText(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    fillSheet(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderText(composeReport(game)));
}
BENCHMARK(BM_ComposeAndRenderText);

void BM_PrintReportToPdf(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    Game game{dialogs};
    fillSheet(game);
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (!printreport(game, printer, dialogs)) state.SkipWithError("printing failed");
    }
}
BENCHMARK(BM_PrintReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
