// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's cost: start-up from nothing to the window shown and painted once (offscreen),
// beside a bare QMainWindow with the same line edits and buttons at the same places; and one
// stat through the real widgets (a name click and a stat click, the changed fields repainted),
// also with the Plays window open beside them.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "support/fake_dialogs.h"
#include "support/scratch_folder.h"
#include "ui/appearance.h"
#include "ui/layout.h"
#include "ui/stat_window.h"
#include "ui/text.h"

using namespace tallivant;

namespace {

// Notes the first paint of a widget.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void showAndPaint(QMainWindow& window) {
    PaintWatch watch;
    window.centralWidget()->installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QApplication::processEvents();
    window.centralWidget()->removeEventFilter(&watch);
}

enum class Kind { LineEdit, PushButton, CheckBox, RadioButton };
struct Plain {
    Kind kind;
    QRect geometry;
    QString text;
};

// Every line edit and button of the real window, as plain widgets at the same places.
std::vector<Plain> plainCopy() {
    testing::FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    std::vector<Plain> all;
    for (QLineEdit* w : window.findChildren<QLineEdit*>())
        all.push_back({Kind::LineEdit, w->geometry(), w->text()});
    for (QPushButton* w : window.findChildren<QPushButton*>())
        all.push_back({Kind::PushButton, w->geometry(), w->text()});
    for (QCheckBox* w : window.findChildren<QCheckBox*>())
        all.push_back({Kind::CheckBox, w->geometry(), {}});
    for (QRadioButton* w : window.findChildren<QRadioButton*>())
        all.push_back({Kind::RadioButton, w->geometry(), w->text()});
    return all;
}

std::unique_ptr<QMainWindow> bareWindow(const std::vector<Plain>& widgets) {
    auto window = std::make_unique<QMainWindow>();
    auto* client = new QWidget(window.get());
    client->setFixedSize(792, 529);
    window->setCentralWidget(client);
    for (const Plain& p : widgets) {
        QWidget* w = nullptr;
        switch (p.kind) {
        case Kind::LineEdit:
            w = new QLineEdit(p.text, client);
            break;
        case Kind::PushButton:
            w = new QPushButton(p.text, client);
            break;
        case Kind::CheckBox:
            w = new QCheckBox(client);
            break;
        case Kind::RadioButton:
            w = new QRadioButton(p.text, client);
            break;
        }
        w->setGeometry(p.geometry);
    }
    return window;
}

// Each iteration builds a window and shows it painted once; its end is not timed.
template <typename MakeWindow> void timeStartUp(benchmark::State& state, MakeWindow make) {
    for (auto _ : state) {
        auto window = make();
        showAndPaint(*window);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_StartUpTallivant(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    timeStartUp(state, [&] { return std::make_unique<ui::StatWindow>(dialogs); });
}
BENCHMARK(BM_StartUpTallivant)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_StartUpBareWindow(benchmark::State& state) {
    const std::vector<Plain> widgets = plainCopy();
    state.counters["line_edits"] = static_cast<double>(std::count_if(
        widgets.begin(), widgets.end(), [](const Plain& p) { return p.kind == Kind::LineEdit; }));
    state.counters["buttons"] = static_cast<double>(std::count_if(
        widgets.begin(), widgets.end(), [](const Plain& p) { return p.kind != Kind::LineEdit; }));
    timeStartUp(state, [&] { return bareWindow(widgets); });
}
BENCHMARK(BM_StartUpBareWindow)->Unit(benchmark::kMillisecond)->MinTime(3);

// A name click and a stat click with the mouse, then the repaint of what changed, each timed
// alone. Cycles over players, quarters and every stat but the personal foul (from the third it
// asks the user). `every100`, when given, runs untimed before every hundredth stat.
void timeStats(benchmark::State& state, ui::StatWindow& window, testing::FakeDialogs& dialogs,
               const std::function<void()>& every100 = {},
               const std::function<void()>& beforeEach = {}) {
    std::vector<QWidget*> names, stats, quarters;
    for (int n = 1; n <= kPlayers; ++n)
        names.push_back(window.findChild<QWidget*>(QStringLiteral("cmdp%1").arg(n)));
    for (int row = 0; row < kStats; ++row)
        if (kStatTable[row].letter != 'm')
            stats.push_back(window.findChild<QWidget*>(ui::q(ui::kStatButtons[row].name)));
    for (const char* q : {"opt1stqtr", "opt2ndqtr", "opt3rdqtr", "opt4thqtr", "optot"})
        quarters.push_back(window.findChild<QWidget*>(QLatin1StringView(q)));

    std::vector<double> micros;
    micros.reserve(1 << 16);
    QElapsedTimer clock;
    std::size_t i = 0;
    for (auto _ : state) {
        if (i % 50 == 0 || (every100 && i % 100 == 0)) {
            state.PauseTiming();
            if (i % 50 == 0)
                QTest::mouseClick(quarters[(i / 50) % quarters.size()], Qt::LeftButton);
            if (every100 && i % 100 == 0) every100();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        if (beforeEach) {
            state.PauseTiming();
            beforeEach();
            state.ResumeTiming();
        }
        clock.start();
        QTest::mouseClick(names[i % names.size()], Qt::LeftButton);
        QTest::mouseClick(stats[i % stats.size()], Qt::LeftButton);
        QApplication::processEvents();
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        ++i;
    }
    if (!dialogs.shown.empty()) state.SkipWithError("a stat was refused");
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
}

// Argument 1: with the recovery copy written after every stat, as the program does; 0: without.
void BM_OneStatThroughTheWindow(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    window.recoveryCopy().setKeeping(state.range(0) != 0);
    showAndPaint(window);
    timeStats(state, window, dialogs);
}
BENCHMARK(BM_OneStatThroughTheWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(2);

// The same with 1,000 plays in the game and the recovery copy written after every stat, the
// Plays window open beside the main window (argument 1) or not opened (0), to tell its share
// from the copy's. Every hundredth stat the list goes back to the same 1,000 plays, untimed,
// so that it does not grow with the run.
// A game of 1,000 plays, recorded in the engine without the widgets (no personal fouls: from
// the third the game asks the user).
void recordThousandPlays(Game& game) {
    for (int i = 0; i < 1000; ++i) {
        int row = i % kStats;
        if (kStatTable[row].letter == 'm') row = (row + 1) % kStats;
        game.selectPlayer(1 + i % kPlayers);
        game.record(row, static_cast<Quarter>(i / 200));
    }
}

QWidget* showPlays(ui::StatWindow& window) {
    window.findChild<QAction*>(QStringLiteral("mnushowplays"))->trigger();
    auto* plays = window.findChild<QWidget*>(QStringLiteral("plays"));
    PaintWatch watch;
    plays->installEventFilter(&watch);
    while (!watch.painted)
        QApplication::processEvents();
    plays->removeEventFilter(&watch);
    return plays;
}

void BM_OneStatWithThePlaysWindowOpen(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    showAndPaint(window);
    Game& game = window.game();
    recordThousandPlays(game);
    const Plays thousand = game.plays();
    if (state.range(0) != 0) showPlays(window);
    state.counters["plays"] = static_cast<double>(thousand.size());
    timeStats(state, window, dialogs, [&] { game.setPlays(thousand); });
}
BENCHMARK(BM_OneStatWithThePlaysWindowOpen)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(2);

// A stat of a game of 1,000 plays shared live (argument 1) or not (0), the recovery copy kept,
// each stat after the writer has done with the one before: on the stat's path sharing adds only
// the copy of the game handed to the page's writer.
void BM_OneStatWhileSharingLive(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    showAndPaint(window);
    Game& game = window.game();
    recordThousandPlays(game);
    const Plays thousand = game.plays();
    const testing::ScratchFolder folder;
    if (state.range(0) != 0 && window.session().startSharing({folder.path().string(), false}))
        state.SkipWithError("the folder cannot be shared");
    // As in a game, where stats come seconds apart: before each, untimed, the window handles
    // what is due (the recovery copy's sync among it) and the writer writes the last change.
    LiveShare& share = window.session().share();
    timeStats(
        state, window, dialogs, [&] { game.setPlays(thousand); },
        [&] {
            QTest::qWait(150);
            share.waitWritten(std::chrono::seconds(10));
        });
}
BENCHMARK(BM_OneStatWhileSharingLive)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);

// The Plays window's own share of a stat, apart from the disk and the main window: the rows in
// view drawn again, as after every new play (each moves the rows below it down by one).
void BM_PlaysListRepaint(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    showAndPaint(window);
    recordThousandPlays(window.game());
    QWidget* list = showPlays(window)->findChild<QAbstractItemView*>()->viewport();
    for (auto _ : state)
        list->repaint();
}
BENCHMARK(BM_PlaysListRepaint)->Unit(benchmark::kMicrosecond)->MinTime(1);

} // namespace

// The offscreen platform warns at every window shown that it cannot pass size hints on.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains(QLatin1StringView("propagateSizeHints"))) return;
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    // Recovery copies go to a scratch folder, not the user's state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    ui::setUpApplication(app);
    {
        // Fonts, style and plugins load once per process; neither start-up pays for them.
        testing::FakeDialogs dialogs;
        ui::StatWindow warm(dialogs);
        showAndPaint(warm);
        auto bare = bareWindow(plainCopy());
        showAndPaint(*bare);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
