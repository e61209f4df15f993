// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Window tests share one QApplication, made after GoogleTest has read its flags so that listing
// the tests needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "support/own_settings.h"
#include "support/watchdog.h"
#include "ui/appearance.h"

namespace {

// Each test starts with nothing kept, as a first run: when the tests run in one process, a team
// name or a folder one test kept must not reach the next.
class ForgetKeptSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QSettings kept(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tallivant"),
                       QStringLiteral("Tallivant"));
        kept.clear();
        kept.sync();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    // Each step that waits on a dialog or a process has a limit of its own, of seconds; this one
    // catches a wait that has none, and names the test before ctest's limit would. The longest
    // test, fifty copies of the program killed, takes about 50 s with the sanitizers.
    tallivant::testing::limitEachTest(std::chrono::seconds(180));
    // Recovery copies go to a folder of the test's own, never the user's state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    qputenv("LOCALAPPDATA", state.path().toLocal8Bit()); // the same on Windows
    // Settings too: the run leaves the user's alone and depends on no earlier or parallel run.
    tallivant::testing::useOwnSettings(state.path());
    QApplication app(argc, argv);
    tallivant::ui::setUpApplication(app);
    // Percent texts in the tests use "."; the locale test sets its own.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetKeptSettings);
    return RUN_ALL_TESTS();
}
