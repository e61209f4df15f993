// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/lock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tallivant {

std::optional<FileLock> FileLock::take(const std::string& path, std::string* why) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (why) *why = std::strerror(errno);
        if (fd >= 0) ::close(fd);
        return std::nullopt;
    }
    return FileLock(fd, path);
}

void FileLock::release() {
    if (handle_ != kNone) ::close(static_cast<int>(handle_));
    handle_ = kNone;
}

void FileLock::removeAndRelease() {
    // Removed while still held: a copy that opens the name after this makes a new file.
    if (handle_ != kNone) ::unlink(path_.c_str());
    release();
}

} // namespace tallivant
