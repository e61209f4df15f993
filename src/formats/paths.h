// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File names as text: UTF-8 on every system, with no call to the system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tallivant {

// A UTF-8 path as the standard library's path, and back. A plain std::string would be taken in
// the system's legacy code page on Windows, where a name with an accent would not be found.
inline std::filesystem::path pathOf(std::string_view utf8) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}
inline std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

} // namespace tallivant
