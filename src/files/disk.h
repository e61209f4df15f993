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

// Puts exactly `bytes` at `path`, replacing the file there. On failure returns the system's
// reason (strerror) and leaves the file that was at `path` untouched and no temporary file
// behind; on success returns nothing. A replaced file keeps its permissions; a symbolic link
// at `path` stays a link and the file it points to is replaced. A file that exists but is not
// writable is not replaced, although its folder would allow it.
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes);

} // namespace tallivant
