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
#include <variant>

namespace tallivant {

// Why a whole file was not read.
struct ReadFailure {
    enum Kind {
        System,     // it cannot be opened or read; `reason` is the system's ("Permission denied")
        NotRegular, // a device or a pipe (a folder is the system's "Is a directory")
        TooLarge,   // more than the bytes asked for at most
    } kind;
    std::string reason;
};

// The whole content of a regular file of at most maxBytes bytes, or why not.
std::variant<std::string, ReadFailure> readWholeFile(const std::string& path, std::size_t maxBytes);

// Why a save to a FIFO, a device or a folder (or a link to one) is refused.
inline constexpr std::string_view kNotARegularFile = "it is not a regular file.";

// Puts exactly `bytes` at `path`, replacing the file there. On failure returns the reason
// (the system's strerror, or kNotARegularFile) and leaves whatever was at `path` untouched and
// no temporary file behind; on success returns nothing.
// - Only a regular file or a new name is written to; a symbolic link at `path` stays a link
//   and the file it points to is replaced.
// - A replaced file keeps its permissions, and its owner and group where the user may set
//   them. A file that exists but is not writable is not replaced, although its folder would
//   allow it.
// - A temporary file that a killed save left in the folder (over a minute old) is removed.
// - A hard link to the replaced file keeps the old content: the new file is a new one,
//   renamed into place, which is what makes the replacement all-or-nothing.
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes);

// Writes all of `bytes` to an open file, going on after interrupted writes; false on an
// error, with errno telling which.
bool writeAll(int fd, std::string_view bytes);

} // namespace tallivant
