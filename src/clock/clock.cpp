// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock/clock.h"

namespace tallivant {

void Clock::startStop() {
    if (running_) {
        running_ = false;
        caption_ = kStartCaption;
        return;
    }
    seconds_ = kMinute;
    running_ = true;
    caption_ = kStopCaption;
}

void Clock::reset() {
    seconds_ = kMinute;
    display_ = format(seconds_);
}

void Clock::tick() {
    if (!running_) return;
    --seconds_;
    display_ = format(seconds_);
}

std::string Clock::format(long long seconds) {
    const long long magnitude = seconds < 0 ? -seconds : seconds;
    const long long ofDay = magnitude % kSecondsPerDay;
    const auto twoDigits = [](long long n) {
        return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    };
    return twoDigits(ofDay / 3600) + ":" + twoDigits(ofDay / 60 % 60) + ":" + twoDigits(ofDay % 60);
}

} // namespace tallivant
