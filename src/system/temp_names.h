// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The names of a save's temporary files, beside the file being saved, on every system: a save
// killed before its rename leaves one behind, and a later save removes it once it is a minute
// old (a younger one may belong to a save still running in another copy of the program).
#pragma once

#include <cstddef>
#include <string_view>

namespace tallivant {

inline constexpr std::string_view kTempPrefix = ".tallivant-";
inline constexpr std::size_t kTempRandomChars = 6; // mkstemp's XXXXXX
inline constexpr long long kStaleTempSeconds = 60;

// Our prefix and six ASCII letters or digits, whatever the locale.
constexpr bool isTempName(std::string_view name) {
    if (!name.starts_with(kTempPrefix) || name.size() != kTempPrefix.size() + kTempRandomChars)
        return false;
    for (const char c : name.substr(kTempPrefix.size()))
        if (!(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z'))
            return false;
    return true;
}

} // namespace tallivant
