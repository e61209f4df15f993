// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text between the program's UTF-8 and Windows' UTF-16 calls (Windows only).
#pragma once

#include <string>
#include <string_view>

namespace tallivant {

std::wstring wideOf(std::string_view utf8);
std::string utf8OfWide(std::wstring_view wide);
// The system's own words for an error code ("Access is denied"), without the closing period.
std::string systemErrorText(unsigned long error);

} // namespace tallivant
