// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/lock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tallivant {

std::optional<FileLock> FileLock::take(const std::string& path, std::string* why, bool* busy) {
    if (busy) *busy = false;
    // A lock file left read-only, or a folder that no longer lets us write, is still a lock
    // that tells a running copy from an ended one.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (why) *why = std::strerror(error);
        if (busy) *busy = fd >= 0 && error == EWOULDBLOCK;
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
