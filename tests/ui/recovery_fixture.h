// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window whose recovery copy goes to a state folder of the test's own.
#pragma once

#include <QTemporaryDir>

#include "store/recovery.h"
#include "system/places.h"
#include "window_fixture.h"

namespace tallivant::testing {

// Points the program's state folder at `path` for as long as it lives: XDG_STATE_HOME, or on
// Windows LOCALAPPDATA.
class StateFolder {
public:
#ifdef _WIN32
    static constexpr const char* kVariable = "LOCALAPPDATA";
#else
    static constexpr const char* kVariable = "XDG_STATE_HOME";
#endif
    explicit StateFolder(const QString& path) : old_(qgetenv(kVariable)) {
        qputenv(kVariable, path.toLocal8Bit());
    }
    ~StateFolder() {
        qputenv(kVariable, old_);
    }

private:
    QByteArray old_;
};

class RecoveryTest : public WindowTest {
protected:
    QTemporaryDir dir;
    StateFolder folder{dir.path()};

    std::string recoveryFile() { return window->recoveryCopy().recovery().path(); }
    std::optional<Recovery::Found> leftBehind() {
        Recovery other(defaultStateFolder());
        return other.claimLeftBehind();
    }
    // A new window, as at the program's next start.
    void restart() {
        window.reset();
        dialogs = FakeDialogs{};
        SetUp();
    }
    // When the copy cannot be written, the stats go on and the scorer is told once.
    void expectOneWarningOverFiveStats() {
        dialogs.shown.clear();
        for (int i = 0; i < 5; ++i)
            stat(1 + i, "cmdstl");
        EXPECT_EQ(text("txtstltot").toInt() % 5, 0);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "Warning");
        EXPECT_EQ(dialogs.shown[0].text.rfind("Tallivant cannot keep a recovery copy of this "
                                              "game: ",
                                              0),
                  0u)
            << dialogs.shown[0].text;
    }
};

} // namespace tallivant::testing
