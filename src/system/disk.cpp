// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the disk tells alike on every system, through the standard library.
#include "system/disk.h"

#include <chrono>
#include <filesystem>

namespace tallivant {

std::optional<std::int64_t> changedAt(const std::string& path) {
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(pathOf(path), ec);
    if (ec) return std::nullopt;
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

} // namespace tallivant
