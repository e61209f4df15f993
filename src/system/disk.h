// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing whole game files on disk, one implementation per system (disk_posix.cpp,
// disk_windows.cpp). Paths are UTF-8 on every system. A save never leaves a half-written or
// damaged file behind: the bytes go to a temporary file beside the destination, which replaces
// the destination only once everything is written and flushed to the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "formats/paths.h"
#include "sheet/translatable.h"

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
inline constexpr std::string_view kNotARegularFile =
    QT_TRANSLATE_NOOP("Core", "it is not a regular file.");

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
// (On Windows the permissions, owner and group are those the replace call carries over.)
// With `toDisk` false the file is not flushed to the disk before the rename: a reader never sees
// it half written, but a power cut may lose it (a publication, not a game).
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes,
                                           bool toDisk = true);

// Creates (or truncates) the file at `path`, readable by this user only where the system has
// such permissions, and writes `bytes` to it, without waiting for the disk. Returns the reason
// on failure, having removed what it wrote.
std::optional<std::string> writeNewFile(const std::string& path, std::string_view bytes);

// Waits until the file at `path`, and the folder at `folder` with the names in it, are on the
// disk. Returns the system's reason when either could not be put there (a failing disk), and
// nothing on success. An empty `path` syncs the folder alone. (Windows writes a folder's names
// through its own journal and has no such call for a folder.)
std::optional<std::string> syncToDisk(const std::string& path, const std::string& folder);

// Which file a path names, as the system knows it, so that two names of one file (a link, a
// hard link, "./game.txt", another case on Windows) are told to be one. A name with no file
// yet stands for the file it would create: its folder's identity and its name there.
struct FileIdentity {
    std::uint64_t device = 0; // the volume
    std::uint64_t file = 0;   // the file's number on it (the folder's, for a new name)
    std::string newName;      // empty for a file that exists
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
// Nothing when neither the file nor its folder can be found.
std::optional<FileIdentity> identityOf(const std::string& path);

// When the file at `path` was last written, in seconds since the epoch; nothing when it
// cannot be told.
std::optional<std::int64_t> changedAt(const std::string& path);

} // namespace tallivant
