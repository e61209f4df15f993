// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/recovery.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include "files/disk.h"
#include "files/encoding.h"
#include "files/places.h"

namespace fs = std::filesystem;

namespace tallivant {
namespace {

constexpr std::string_view kPrefix = "game-";
constexpr std::string_view kText = ".txt";
constexpr std::string_view kLock = ".lock";
// The record after the game's nineteen: the file the window showed. Readers of game files stop
// after the 342nd value, so File|Open reads a recovery file like any game file.
constexpr std::string_view kLabelRecord = "File";

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
    return stamp + "-" + count + "-" + std::to_string(processId());
}

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(pathOf(path), ec);
}

void removeFile(const std::string& path) {
    std::error_code ec;
    fs::remove(pathOf(path), ec);
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

Recovery::Recovery(std::string folder) : folder_(std::move(folder)), id_(newId()) {}

Recovery::~Recovery() {
    release();
}

std::string Recovery::fileOf(const std::string& id, std::string_view suffix) const {
    return utf8Of(pathOf(folder_) / pathOf(std::string(kPrefix) + id + std::string(suffix)));
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
    return utf8Of(pathOf(folder_) / "discarded");
}

bool Recovery::ownLock(std::string* why) {
    if (lock_) return true;
    std::error_code ec;
    fs::create_directories(pathOf(folder_), ec);
    if (ec) {
        if (why) *why = ec.message();
        return false;
    }
    lock_ = FileLock::take(fileOf(id_, kLock), why);
    return lock_.has_value();
}

void Recovery::release() {
    if (!lock_) return;
    if (!exists(path())) lock_->removeAndRelease();
    lock_.reset();
}

std::optional<Recovery::Found> Recovery::claimLeftBehind() {
    // Each copy's versions, and the time of its newest.
    struct Copy {
        fs::file_time_type newest{};
        std::vector<std::uint64_t> versions;
    };
    std::map<std::string, Copy> copies;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(pathOf(folder_), ec)) {
        const std::string name = utf8Of(entry.path().filename());
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
        std::optional<FileLock> lock = FileLock::take(fileOf(id, kLock));
        if (!lock) continue; // its copy is still running
        std::vector<std::uint64_t> versions = copies[id].versions;
        std::sort(versions.begin(), versions.end(), std::greater<>());
        std::optional<Found> found;
        std::uint64_t version = 0;
        for (const std::uint64_t v : versions) {
            const std::string file = versionOf(id, v);
            if (found) {
                // An older version a kill left beside the newer one.
                removeFile(file);
                continue;
            }
            found = readRecovery(file);
            version = v;
            // Not a complete game: set aside for good, and the version before it tried.
            if (!found && exists(file)) {
                std::error_code e;
                fs::rename(pathOf(file), pathOf(file + ".broken"), e);
            }
        }
        if (!found) {
            lock->removeAndRelease();
            continue;
        }
        release();
        id_ = id;
        version_ = version;
        lock_ = std::move(lock);
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
    if (auto failure = writeNewFile(temp, text)) return failure;
    // A new name each time, the old version removed after: ext4 starts writing a file out at
    // once when it is renamed over another, which cost a stat a quarter of a millisecond. A
    // kill between the two leaves both, and the newer is the one offered.
    const std::string previous = path();
    std::error_code ec;
    fs::rename(pathOf(temp), pathOf(versionOf(id_, version_ + 1)), ec);
    if (ec) {
        removeFile(temp);
        return ec.message();
    }
    ++version_;
    removeFile(previous);
    unsynced_ = true;
    return std::nullopt;
}

void Recovery::sync() {
    if (!unsynced_) return;
    unsynced_ = false;
    syncToDisk(path(), folder_);
}

void Recovery::remove() {
    std::error_code ec;
    if (fs::remove(pathOf(path()), ec)) unsynced_ = true;
}

void Recovery::discard() {
    const fs::path file = pathOf(path());
    std::error_code ec;
    if (!fs::exists(file, ec)) return;
    const fs::path folder = pathOf(discardedFolder());
    fs::create_directories(folder, ec);
    const fs::path kept = folder / (newId() + std::string(kText));
    // A second name for the same bytes: the recovery file is only ever replaced, never
    // rewritten in place, so the discarded game stays as it was.
    fs::create_hard_link(file, kept, ec);
    if (ec) fs::copy_file(file, kept, ec);

    std::vector<fs::path> games;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == kText) games.push_back(entry.path());
    std::sort(games.begin(), games.end(), std::greater<>());
    for (std::size_t i = kDiscardedKept; i < games.size(); ++i)
        fs::remove(games[i], ec);
}

} // namespace tallivant
