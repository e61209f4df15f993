// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/clock.h"

using tallivant::Clock;

namespace {

std::vector<std::string> ticks(Clock& clock, int n) {
    std::vector<std::string> shown;
    for (int i = 0; i < n; ++i) {
        clock.tick();
        shown.push_back(clock.display());
    }
    return shown;
}

} // namespace

TEST(ClockStartUp, ShowsOneMinuteWithValueZeroAndPlainStartCaption) {
    Clock clock;
    EXPECT_EQ(clock.display(), "00:01:00");
    EXPECT_EQ(clock.timeouttime(), 0.0);
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.caption(), "Start");
}

TEST(ClockStartUp, TickWhileIdleChangesNothing) {
    Clock clock;
    clock.tick();
    EXPECT_EQ(clock.display(), "00:01:00");
    EXPECT_EQ(clock.seconds(), 0);
}

TEST(ClockCountdown, EveryTickIsOneSecondDownToZeroOnTheSixtiethThenCountsUp) {
    Clock clock;
    clock.startStop();
    const std::vector<std::string> shown = ticks(clock, 63);
    for (int i = 0; i < 60; ++i) {
        const int left = 59 - i;
        const std::string expected =
            "00:00:" + std::to_string(left / 10) + std::to_string(left % 10);
        EXPECT_EQ(shown[i], expected) << "tick " << i + 1;
    }
    EXPECT_EQ(shown[59], "00:00:00");
    EXPECT_EQ(shown[60], "00:00:01");
    EXPECT_EQ(shown[61], "00:00:02");
    EXPECT_EQ(shown[62], "00:00:03");
}

TEST(ClockCountdown, NoSecondShowsTwiceAndNoneIsSkipped) {
    Clock clock;
    clock.startStop();
    std::string last = clock.display();
    for (const std::string& now : ticks(clock, 200)) {
        EXPECT_NE(now, last);
        last = now;
    }
    EXPECT_EQ(last, "00:02:20");
}

TEST(ClockCountdown, TimeouttimeIsExactWholeSecondsInDays) {
    Clock clock;
    clock.startStop();
    EXPECT_EQ(clock.timeouttime(), 1.0 / 1440);
    for (int n = 1; n <= 70; ++n) {
        clock.tick();
        EXPECT_EQ(clock.timeouttime(), (60 - n) / 86400.0) << "tick " << n;
    }
    EXPECT_LT(clock.timeouttime(), 0.0);
}

TEST(ClockStartStop, CaptionsCarryTheAcceleratorOnceClicked) {
    Clock clock;
    clock.startStop();
    EXPECT_TRUE(clock.running());
    EXPECT_EQ(clock.caption(), "&Stop");
    clock.startStop();
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.caption(), "&Start");
    clock.startStop();
    EXPECT_EQ(clock.caption(), "&Stop");
}

TEST(ClockStartStop, StopKeepsTheDisplayAndStartBeginsAFreshMinute) {
    Clock clock;
    clock.startStop();
    ticks(clock, 3);
    clock.startStop();
    EXPECT_EQ(clock.display(), "00:00:57");
    clock.tick();
    EXPECT_EQ(clock.display(), "00:00:57");
    clock.startStop();
    clock.tick();
    EXPECT_EQ(clock.display(), "00:00:59");
}

TEST(ClockReset, WhileRunningShowsOneMinuteAtOnceAndCountsOnFromThere) {
    Clock clock;
    clock.startStop();
    ticks(clock, 5);
    clock.reset();
    EXPECT_EQ(clock.display(), "00:01:00");
    EXPECT_TRUE(clock.running());
    EXPECT_EQ(ticks(clock, 2), (std::vector<std::string>{"00:00:59", "00:00:58"}));
}

TEST(ClockReset, WhileStoppedShowsOneMinuteAndStaysStopped) {
    Clock clock;
    clock.startStop();
    ticks(clock, 5);
    clock.startStop();
    clock.reset();
    EXPECT_EQ(clock.display(), "00:01:00");
    EXPECT_EQ(clock.timeouttime(), 1.0 / 1440);
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.caption(), "&Start");
    clock.tick();
    EXPECT_EQ(clock.display(), "00:01:00");
}

TEST(ClockFormat, HoursMinutesSecondsOfTheMagnitudeWithinOneDay) {
    EXPECT_EQ(Clock::format(0), "00:00:00");
    EXPECT_EQ(Clock::format(-1), "00:00:01");
    EXPECT_EQ(Clock::format(-61), "00:01:01");
    EXPECT_EQ(Clock::format(3599), "00:59:59");
    EXPECT_EQ(Clock::format(3600 * 23 + 59 * 60 + 59), "23:59:59");
    EXPECT_EQ(Clock::format(86400), "00:00:00");
    EXPECT_EQ(Clock::format(-(86400 + 3661)), "01:01:01");
}
