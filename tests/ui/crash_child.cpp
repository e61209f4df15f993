// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A copy of the program for the crash tests: the real window over scripted dialogs, playing
// the steps of a seed through its buttons as fast as it can and telling on stdout how many it
// has completed, then waiting to be killed. Usage: crash_child <seed> <steps>
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "crash_play.h"
#include "support/fake_dialogs.h"
#include "ui/appearance.h"
#include "ui/layout.h"
#include "ui/stat_window.h"

using namespace tallivant;

int main(int argc, char* argv[]) {
    if (argc < 3) return 2;
    const auto steps =
        testing::playSteps(static_cast<unsigned>(std::atoi(argv[1])), std::atoi(argv[2]));
    QApplication app(argc, argv);
    ui::setUpApplication(app);
    testing::FakeDialogs dialogs;
    ui::StatWindow window(dialogs);
    window.show();
    auto button = [&](const QString& name) { return window.findChild<QAbstractButton*>(name); };
    const char* quarters[] = {"opt1stqtr", "opt2ndqtr", "opt3rdqtr", "opt4thqtr", "optot"};

    QTimer::singleShot(0, &window, [&] {
        std::printf("started\n");
        std::fflush(stdout);
        int done = 0;
        for (const testing::PlayStep& s : steps) {
            if (s.statRow < 0) {
                button(QStringLiteral("cmdtakeback"))->click();
            } else {
                button(QLatin1StringView(quarters[static_cast<int>(s.quarter)]))->click();
                button(QStringLiteral("cmdp%1").arg(s.player))->click();
                const auto& name = ui::kStatButtons[s.statRow].name;
                button(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                    ->click();
            }
            std::printf("%d\n", ++done);
            std::fflush(stdout);
        }
    });
    return app.exec();
}
