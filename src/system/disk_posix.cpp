// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/disk.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "system/owned.h"
#include "system/temp_names.h"

namespace tallivant {
namespace {

struct Posix {
    using Handle = int;
    static int none() { return -1; }
    static bool close(int fd) { return ::close(fd) == 0; }
};
using Fd = Owned<Posix>;

std::string reason(int error) {
    return std::strerror(error);
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

// A save killed between mkstemp and rename leaves its temporary file behind, and nothing else
// would ever remove it. Only a regular file with exactly our name pattern is taken, and only
// once it has not been written for a minute: a younger one may belong to a save still running
// in another copy of the program.
void removeStaleTemps(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir))
        if (isTempName(entry->d_name)) names.emplace_back(entry->d_name);
    const int dirFd = ::dirfd(dir);
    const std::time_t now = std::time(nullptr);
    for (const std::string& name : names) {
        struct stat st;
        if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || now - st.st_mtime < kStaleTempSeconds) continue;
        ::unlinkat(dirFd, name.c_str(), 0); // best effort: the save itself does not need it
    }
    ::closedir(dir);
}

// Writes all of `bytes` to an open file, going on after interrupted writes; false on an error,
// with errno telling which.
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

// The system's error when the file at `path` could not be put on the disk; 0 on success.
int syncPath(const std::string& path, int flags) {
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags));
    if (!fd.valid()) return errno;
    // Some file systems cannot sync a folder (EINVAL): their names need no sync of ours.
    if (::fsync(fd.get()) != 0 && errno != EINVAL) return errno;
    return 0;
}

} // namespace

std::variant<std::string, ReadFailure> readWholeFile(const std::string& path,
                                                     std::size_t maxBytes) {
    const auto systemFailure = [](int error) {
        return ReadFailure{ReadFailure::System, reason(error)};
    };
    // Non-blocking, so that a named pipe without a writer cannot hang the window.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) return systemFailure(errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return systemFailure(errno);
    if (S_ISDIR(st.st_mode)) return systemFailure(EISDIR);
    if (!S_ISREG(st.st_mode)) return ReadFailure{ReadFailure::NotRegular, {}};
    const ReadFailure tooLarge{ReadFailure::TooLarge, {}};
    if (st.st_size > 0 && static_cast<std::size_t>(st.st_size) > maxBytes) return tooLarge;

    // Read to the end rather than trusting the size: the file may grow meanwhile.
    std::string data;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return systemFailure(errno);
        }
        if (n == 0) break;
        data.append(buffer.data(), static_cast<std::size_t>(n));
        if (data.size() > maxBytes) return tooLarge;
    }
    return data;
}

std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes,
                                           bool toDisk) {
    if (path.empty()) return reason(ENOENT);
    const std::string target = resolveLink(path);

    // Renaming over a FIFO, a device or a folder would replace it with a plain file (as root,
    // even /dev/null), so only a regular file or a new name is a place to save to.
    mode_t mode = newFileMode();
    struct stat st;
    const bool replacing = ::stat(target.c_str(), &st) == 0;
    if (replacing) {
        if (!S_ISREG(st.st_mode)) return std::string(kNotARegularFile);
        if (::access(target.c_str(), W_OK) != 0) return reason(errno);
        mode = st.st_mode & 07777;
    }

    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    removeStaleTemps(folder);
    std::string temp = folder + "/" + std::string(kTempPrefix) + "XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (!fd.valid()) return reason(errno);

    auto fail = [&](const std::string& why) -> std::optional<std::string> {
        if (fd.valid()) fd.close();
        ::unlink(temp.c_str());
        return why;
    };
    if (!writeAll(fd.get(), bytes)) return fail(reason(errno));
    if (replacing) {
        // Keeps the replaced file's owner and group where we may give them (root; the group
        // when we belong to it); elsewhere the file becomes ours, as any rename-based save
        // makes it. Before fchmod: a change of owner clears the set-id bits.
        if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0)
            ::fchown(fd.get(), static_cast<uid_t>(-1), st.st_gid);
    }
    // Some file systems (FAT on a memory stick) keep no permission bits; that is no failure.
    ::fchmod(fd.get(), mode);
    if (toDisk && ::fsync(fd.get()) != 0 && errno != EINVAL) return fail(reason(errno));
    if (!fd.close()) return fail(reason(errno));
    // Something else may have appeared at the name while the bytes were written.
    struct stat current;
    if (::stat(target.c_str(), &current) == 0 && !S_ISREG(current.st_mode))
        return fail(std::string(kNotARegularFile));
    if (::rename(temp.c_str(), target.c_str()) != 0) return fail(reason(errno));
    if (toDisk) syncPath(folder, O_DIRECTORY); // best effort: the file is already in place
    return std::nullopt;
}

std::optional<std::string> writeNewFile(const std::string& path, std::string_view bytes) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (!fd.valid()) return reason(errno);
    const bool written = writeAll(fd.get(), bytes);
    const int error = errno;
    if (!fd.close() || !written) {
        const int e = written ? errno : error;
        ::unlink(path.c_str());
        return reason(e);
    }
    return std::nullopt;
}

std::optional<std::string> syncToDisk(const std::string& path, const std::string& folder) {
    if (!path.empty())
        if (const int error = syncPath(path, 0)) return reason(error);
    if (const int error = syncPath(folder, O_DIRECTORY)) return reason(error);
    return std::nullopt;
}

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return FileIdentity{
            static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), {}};
    if (errno != ENOENT) return std::nullopt;
    const std::filesystem::path name = pathOf(path);
    std::string folder = utf8Of(name.parent_path());
    if (folder.empty()) folder = ".";
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev),
                        static_cast<std::uint64_t>(st.st_ino), utf8Of(name.filename())};
}

} // namespace tallivant
