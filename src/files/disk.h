// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing whole game files on disk (POSIX). A save never leaves a half-written or
// damaged file behind: the bytes go to a temporary file beside the destination, which replaces
// the destination only once everything is written and flushed to the disk.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallivant {

// The whole content of a regular file of at most maxBytes bytes; nothing when the file cannot
// be opened or read, is not a regular file (a folder, a device, a pipe), or is larger.
std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxBytes);

// Puts exactly `bytes` at `path`, replacing the file there. On failure returns the system's
// reason (strerror) and leaves the file that was at `path` untouched and no temporary file
// behind; on success returns nothing. A replaced file keeps its permissions; a symbolic link
// at `path` stays a link and the file it points to is replaced. A file that exists but is not
// writable is not replaced, although its folder would allow it.
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes);

} // namespace tallivant
