// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QHash>

#include "window_fixture.h"

namespace tallivant::testing {
namespace {

using ClockPanel = WindowTest;

TEST_F(ClockPanel, StartRunsAOneSecondTimerAndCountsWholeSeconds) {
    click("cmdclock_stopstart");
    EXPECT_EQ(text("cmdclock_stopstart"), "&Stop");
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1000);
    EXPECT_EQ(text("lblclock"), "00:01:00");
    QStringList shown;
    for (int i = 0; i < 62; ++i) {
        tick();
        shown << text("lblclock");
    }
    EXPECT_EQ(shown[0], "00:00:59");
    EXPECT_EQ(shown[1], "00:00:58");
    EXPECT_EQ(shown[2], "00:00:57");
    EXPECT_EQ(shown[3], "00:00:56");
    EXPECT_EQ(shown[58], "00:00:01");
    EXPECT_EQ(shown[59], "00:00:00");
    EXPECT_EQ(shown[60], "00:00:01");
    EXPECT_EQ(shown[61], "00:00:02");
    EXPECT_EQ(shown.removeDuplicates(), 2); // 00:00:01 and 00:00:02 on the way up
    EXPECT_TRUE(timer()->isActive());
    EXPECT_TRUE(dialogs.shown.empty());
}

// The colour of the clock's digits, as painted.
QColor clockInk(QLabel* clock) {
    const QImage image = clock->grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background) ++counts[image.pixel(x, y)];
    // The most frequent colour apart from the background: the strokes' own, not their edges.
    QRgb ink = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (!counts.contains(ink) || it.value() > counts[ink]) ink = it.key();
    return QColor(ink);
}

bool reddish(QColor c) {
    return c.red() > 2 * c.green() + 40 && c.red() > 2 * c.blue() + 40;
}

TEST_F(ClockPanel, PastTheMinuteTheClockIsRedUntilResetOrTheNextStart) {
    auto* clock = widget<QLabel>("lblclock");
    click("cmdclock_stopstart");
    tick(60);
    ASSERT_EQ(text("lblclock"), "00:00:00");
    EXPECT_FALSE(reddish(clockInk(clock))) << clockInk(clock).name().toStdString();
    tick();
    ASSERT_EQ(text("lblclock"), "00:00:01");
    EXPECT_TRUE(reddish(clockInk(clock))) << clockInk(clock).name().toStdString();
    click("cmdclock_stopstart"); // stopped past the minute: still over
    EXPECT_TRUE(reddish(clockInk(clock)));
    click("Command1");
    EXPECT_EQ(text("lblclock"), "00:01:00");
    EXPECT_FALSE(reddish(clockInk(clock)));

    click("cmdclock_stopstart");
    tick(62);
    EXPECT_TRUE(reddish(clockInk(clock)));
    click("cmdclock_stopstart");
    click("cmdclock_stopstart"); // a fresh minute
    EXPECT_FALSE(reddish(clockInk(clock)));
    tick();
    EXPECT_EQ(text("lblclock"), "00:00:59");
    EXPECT_FALSE(reddish(clockInk(clock)));
}

TEST_F(ClockPanel, StopKeepsTheDisplayAndStartBeginsAFreshMinute) {
    click("cmdclock_stopstart");
    tick(3);
    click("cmdclock_stopstart");
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(text("cmdclock_stopstart"), "&Start");
    EXPECT_EQ(text("lblclock"), "00:00:57");
    click("cmdclock_stopstart");
    EXPECT_EQ(text("lblclock"), "00:00:57");
    tick();
    EXPECT_EQ(text("lblclock"), "00:00:59");
}

TEST_F(ClockPanel, ResetWhileRunningShowsAFreshMinuteAndGoesOn) {
    click("cmdclock_stopstart");
    tick(20);
    click("Command1");
    EXPECT_EQ(text("lblclock"), "00:01:00");
    EXPECT_TRUE(timer()->isActive());
    tick();
    EXPECT_EQ(text("lblclock"), "00:00:59");
}

TEST_F(ClockPanel, ResetWhileStoppedShowsAFreshMinuteAndStaysStopped) {
    click("cmdclock_stopstart");
    tick(20);
    click("cmdclock_stopstart");
    click("Command1");
    EXPECT_EQ(text("lblclock"), "00:01:00");
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(text("cmdclock_stopstart"), "&Start");
    EXPECT_EQ(window->clock().timeouttime(), 1.0 / 1440);
}

TEST_F(ClockPanel, TimeoutBoxesAndClockLeaveTheSheetAlone) {
    stat(2, "cmdast");
    click("Check1");
    click("Check5");
    click("cmdclock_stopstart");
    tick(5);
    click("Option1");
    EXPECT_TRUE(widget<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("Check5")->isChecked());
    EXPECT_EQ(text("txtast_1"), "1");
    EXPECT_EQ(window->currentQuarter(), Quarter::First);
    click("cmdtakeback");
    EXPECT_EQ(text("txtast_1"), "0");
}

} // namespace
} // namespace tallivant::testing
