// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The timeout countdown: the value `timeouttime`, whether it runs, the start/stop button's
// caption and the text of the clock label. The window feeds it clicks and timer ticks.
#pragma once

#include <string>

#include "sheet/translatable.h"

namespace tallivant {

class Clock {
public:
    static constexpr int kSecondsPerDay = 86400;
    static constexpr int kMinute = 60;
    // The start/stop button's caption while the clock is stopped, once it has been used.
    static constexpr const char* kStartCaption = QT_TRANSLATE_NOOP("Core", "&Start");
    static constexpr const char* kStopCaption = QT_TRANSLATE_NOOP("Core", "&Stop");
    static constexpr const char* kFirstCaption = QT_TRANSLATE_NOOP("Core", "Start");

    // `timeouttime` in days. The countdown keeps whole seconds, so every tick is exactly one
    // second and no second shows twice.
    double timeouttime() const { return static_cast<double>(seconds_) / kSecondsPerDay; }
    long long seconds() const { return seconds_; }
    bool running() const { return running_; }
    // The minute has run out: true from the tick after 00:00:00 until Reset or the next Start,
    // while the display counts up again and "00:00:16" alone would read as time left.
    bool isOver() const { return seconds_ < 0; }
    const std::string& caption() const { return caption_; }
    // What the clock label shows; it changes only on a tick or a reset.
    const std::string& display() const { return display_; }

    // Running: stops and keeps the display. Not running: begins a fresh minute, shown from
    // the first tick on.
    void startStop();
    // A fresh minute, shown at once; running or not stays as it was.
    void reset();
    // One second off while running.
    void tick();

    // "hh:mm:ss" of a signed number of seconds: the time of day of its magnitude.
    static std::string format(long long seconds);

private:
    long long seconds_ = 0;
    bool running_ = false;
    std::string caption_ = kFirstCaption;
    std::string display_ = "00:01:00";
};

} // namespace tallivant
