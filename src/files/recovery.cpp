// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/recovery.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/disk.h"
#include "files/encoding.h"

namespace fs = std::filesystem;

namespace tallivant {
namespace {

constexpr std::string_view kPrefix = "game-";
constexpr std::string_view kText = ".txt";
constexpr std::string_view kLock = ".lock";
// The record after the game's nineteen: the file the window showed. Readers of game files stop
// after the 342nd value, so File|Open reads a recovery file like any game file.
constexpr std::string_view kLabelRecord = "File";

std::string reason(int error) {
    return std::strerror(error);
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

// A name that sorts by time: milliseconds since the epoch, zero-padded, then what makes it
// unique among copies and within one.
std::string newId() {
    static std::atomic<unsigned> counter{0};
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    std::string stamp = std::to_string(ms);
    stamp.insert(0, stamp.size() < 15 ? 15 - stamp.size() : 0, '0');
    std::string count = std::to_string(counter++);
    count.insert(0, count.size() < 6 ? 6 - count.size() : 0, '0');
    return stamp + "-" + count + "-" + std::to_string(::getpid());
}

void syncPath(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Locks a recovery file's lock for this copy; -1 when another running copy holds it.
int lockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<Recovery::Found> readRecovery(const std::string& path) {
    const auto read = readWholeFile(path, kMaxGameFileBytes);
    const auto* bytes = std::get_if<std::string>(&read);
    if (!bytes) return std::nullopt;
    auto game = parseGameFile(*bytes);
    if (!game) return std::nullopt;
    Recovery::Found found{std::move(*game), {}};
    const auto values = splitValues(decodeGameFile(*bytes), kFileValues + 2);
    if (values.size() == kFileValues + 2 && values[kFileValues] == kLabelRecord)
        found.label = values[kFileValues + 1];
    return found;
}

} // namespace

std::string defaultStateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    // A relative value is invalid by the XDG rules and is ignored.
    const fs::path base =
        state && *state == '/' ? fs::path(state) : fs::path(homeFolder()) / ".local" / "state";
    return (base / "tallivant").string();
}

Recovery::Recovery(std::string folder) : folder_(std::move(folder)), id_(newId()) {}

Recovery::~Recovery() {
    release();
}

std::string Recovery::fileOf(const std::string& id, std::string_view suffix) const {
    return (fs::path(folder_) / (std::string(kPrefix) + id + std::string(suffix))).string();
}

std::string Recovery::versionOf(const std::string& id, std::uint64_t version) const {
    std::string number = std::to_string(version);
    number.insert(0, number.size() < 10 ? 10 - number.size() : 0, '0');
    return fileOf(id, "." + number + std::string(kText));
}

std::string Recovery::path() const {
    return versionOf(id_, version_);
}

std::string Recovery::discardedFolder() const {
    return (fs::path(folder_) / "discarded").string();
}

bool Recovery::ownLock(std::string* why) {
    if (lockFd_ >= 0) return true;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        if (why) *why = ec.message();
        return false;
    }
    lockFd_ = lockFile(fileOf(id_, kLock));
    if (lockFd_ < 0 && why) *why = reason(errno);
    return lockFd_ >= 0;
}

void Recovery::release() {
    if (lockFd_ < 0) return;
    if (::access(path().c_str(), F_OK) != 0) ::unlink(fileOf(id_, kLock).c_str());
    ::close(lockFd_);
    lockFd_ = -1;
}

std::optional<Recovery::Found> Recovery::claimLeftBehind() {
    // Each copy's versions, and the time of its newest.
    struct Copy {
        fs::file_time_type newest{};
        std::vector<std::uint64_t> versions;
    };
    std::map<std::string, Copy> copies;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kPrefix) || !name.ends_with(kText)) continue;
        std::error_code e;
        if (!entry.is_regular_file(e)) continue;
        // game-<id>.<version>.txt
        const std::string stem =
            name.substr(kPrefix.size(), name.size() - kPrefix.size() - kText.size());
        const auto dot = stem.rfind('.');
        if (dot == std::string::npos) continue;
        const std::string id = stem.substr(0, dot);
        if (id == id_) continue;
        Copy& copy = copies[id];
        copy.versions.push_back(std::strtoull(stem.c_str() + dot + 1, nullptr, 10));
        copy.newest = std::max(copy.newest, entry.last_write_time(e));
    }
    std::vector<std::pair<fs::file_time_type, std::string>> order;
    for (const auto& [id, copy] : copies)
        order.emplace_back(copy.newest, id);
    std::sort(order.begin(), order.end(), std::greater<>());

    for (const auto& [time, id] : order) {
        const int fd = lockFile(fileOf(id, kLock));
        if (fd < 0) continue; // its copy is still running
        std::vector<std::uint64_t> versions = copies[id].versions;
        std::sort(versions.begin(), versions.end(), std::greater<>());
        std::optional<Found> found;
        std::uint64_t version = 0;
        for (const std::uint64_t v : versions) {
            const std::string file = versionOf(id, v);
            if (found) {
                // An older version a kill left beside the newer one.
                ::unlink(file.c_str());
                continue;
            }
            found = readRecovery(file);
            version = v;
            // Not a complete game: set aside for good, and the version before it tried.
            if (!found && ::access(file.c_str(), F_OK) == 0)
                ::rename(file.c_str(), (file + ".broken").c_str());
        }
        if (!found) {
            ::unlink(fileOf(id, kLock).c_str());
            ::close(fd);
            continue;
        }
        release();
        id_ = id;
        version_ = version;
        lockFd_ = fd;
        return found;
    }
    return std::nullopt;
}

std::optional<std::string> Recovery::write(const GameContents& game, const std::string& label) {
    std::string why;
    if (!ownLock(&why)) return why;
    std::string text = gameFileText(game);
    std::string shown = label;
    std::replace(shown.begin(), shown.end(), '"', '\'');
    text += "\"" + std::string(kLabelRecord) + "\",\"" + shown + "\"\r\n";
    text = repairUtf8(text);

    const std::string temp = fileOf(id_, ".tmp");
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return reason(errno);
    const bool written = writeAll(fd, text);
    const int error = errno;
    if (::close(fd) != 0 || !written) {
        const int e = written ? errno : error;
        ::unlink(temp.c_str());
        return reason(e);
    }
    // A new name each time, the old version removed after: ext4 starts writing a file out at
    // once when it is renamed over another, which cost a stat a quarter of a millisecond. A
    // kill between the two leaves both, and the newer is the one offered.
    const std::string previous = path();
    if (::rename(temp.c_str(), versionOf(id_, version_ + 1).c_str()) != 0) {
        const int e = errno;
        ::unlink(temp.c_str());
        return reason(e);
    }
    ++version_;
    ::unlink(previous.c_str());
    unsynced_ = true;
    return std::nullopt;
}

void Recovery::sync() {
    if (!unsynced_) return;
    unsynced_ = false;
    syncPath(path(), 0);
    syncPath(folder_, O_DIRECTORY);
}

void Recovery::remove() {
    if (::unlink(path().c_str()) == 0) unsynced_ = true;
}

void Recovery::discard() {
    const std::string file = path();
    if (::access(file.c_str(), F_OK) != 0) return;
    std::error_code ec;
    const fs::path folder = discardedFolder();
    fs::create_directories(folder, ec);
    const fs::path kept = folder / (newId() + std::string(kText));
    // A second name for the same bytes: the recovery file is only ever replaced, never
    // rewritten in place, so the discarded game stays as it was.
    if (::link(file.c_str(), kept.c_str()) != 0) fs::copy_file(file, kept, ec);

    std::vector<fs::path> games;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == kText) games.push_back(entry.path());
    std::sort(games.begin(), games.end(), std::greater<>());
    for (std::size_t i = kDiscardedKept; i < games.size(); ++i)
        fs::remove(games[i], ec);
}

} // namespace tallivant
