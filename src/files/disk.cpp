// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/disk.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallivant {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close (a late write error) can be reported.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

std::string reason(int error) {
    return std::strerror(error);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The path whose file is to be replaced: the target of a symbolic link, else the path itself.
std::string resolveLink(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path; // a dangling link is replaced by the file
    std::string resolved = real;
    std::free(real);
    return resolved;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::string& folder) {
    const Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get()); // best effort: the file is already in place
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxBytes) {
    // Non-blocking, so that a named pipe without a writer cannot hang the window.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    if (st.st_size > 0 && static_cast<std::size_t>(st.st_size) > maxBytes) return std::nullopt;

    // Read to the end rather than trusting the size: the file may grow meanwhile.
    std::string data;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buffer.data(), static_cast<std::size_t>(n));
        if (data.size() > maxBytes) return std::nullopt;
    }
    return data;
}

std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes) {
    if (path.empty()) return reason(ENOENT);
    const std::string target = resolveLink(path);

    mode_t mode = newFileMode();
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return reason(EISDIR);
        if (::access(target.c_str(), W_OK) != 0) return reason(errno);
        mode = st.st_mode & 07777;
    }

    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    std::string temp = folder + "/.tallivant-XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) return reason(errno);

    auto fail = [&](int error) -> std::optional<std::string> {
        if (fd.get() >= 0) fd.close();
        ::unlink(temp.c_str());
        return reason(error);
    };
    if (!writeAll(fd.get(), bytes)) return fail(errno);
    // Some file systems (FAT on a memory stick) keep no permission bits; that is no failure.
    ::fchmod(fd.get(), mode);
    if (::fsync(fd.get()) != 0 && errno != EINVAL) return fail(errno);
    if (fd.close() != 0) return fail(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0) return fail(errno);
    syncFolder(folder);
    return std::nullopt;
}

} // namespace tallivant
