// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Colours as the window's tables give them, 0x00BBGGRR (red in the low byte), and the one
// conversion to Qt's colour.
#pragma once

#include <QColor>

namespace tallivant::ui {

inline constexpr unsigned kRed = 0x0000FF;
inline constexpr unsigned kWhite = 0xFFFFFF;
inline constexpr unsigned kBlack = 0x000000;
inline constexpr unsigned kDarkGrey = 0x808080;
inline constexpr unsigned kLightGrey = 0xC0C0C0;
inline constexpr unsigned kVeryLightGrey = 0xE0E0E0;
inline constexpr unsigned kLightYellow = 0x80FFFF;
// A red dark enough to read at 4.5 to 1 on the clock's light grey (pure red gives 2.2).
inline constexpr unsigned kClockOverRed = 0x0000A0;

inline QColor toQColor(unsigned bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace tallivant::ui
