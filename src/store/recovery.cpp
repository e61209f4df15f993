// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/recovery.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <limits>
#include <map>
#include <system_error>
#include <vector>

#include "formats/encoding.h"
#include "sheet/translatable.h"
#include "store/recovery_records.h"
#include "system/disk.h"
#include "system/places.h"

namespace fs = std::filesystem;

namespace tallivant {
namespace {

constexpr std::string_view kPrefix = "game-";
constexpr std::string_view kText = ".txt";
constexpr std::string_view kLock = ".lock";

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

// False only when the file is there and stays.
bool removeFile(const std::string& path) {
    std::error_code ec;
    fs::remove(pathOf(path), ec);
    return !ec;
}

std::int64_t secondsOf(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

std::optional<Recovery::Found> readRecovery(const std::string& path) {
    const auto read = readWholeFile(path, kMaxRecoveryBytes);
    const auto* bytes = std::get_if<std::string>(&read);
    if (!bytes || bytes->find('\0') != std::string::npos) return std::nullopt;
    const auto whole = wholeBytes(*bytes);
    if (!whole) return std::nullopt;
    const std::string text = decodeGameFile(*whole);
    std::size_t end = 0;
    const auto values = splitValues(text, kFileValues, &end);
    auto game = gameOfValues(values);
    auto* contents = std::get_if<GameContents>(&game);
    if (!contents) return std::nullopt;
    Recovery::Found found;
    SavedGame saved;
    saved.game = std::move(*contents);
    readRecords(splitRecords(std::string_view(text).substr(end)), saved, found.kept);
    keepPlaysThatFit(saved);
    found.kept.matchup = std::move(saved.matchup);
    found.kept.game = std::move(saved.game);
    found.kept.quarter = saved.quarter;
    found.kept.plays = std::move(saved.plays);
    std::error_code ec;
    const auto time = fs::last_write_time(pathOf(path), ec);
    if (!ec) found.changed = secondsOf(time);
    return found;
}

// "2026-12-08 18-22 lincoln.txt": when it was discarded, then the game file's name, if any.
std::string discardedName(const std::string& label, int attempt) {
    const std::time_t now = std::time(nullptr);
    char stamp[32] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M", local);
    std::string name = stamp;
    if (!label.empty()) {
        std::string stem = utf8Of(pathOf(label).stem());
        for (char& c : stem)
            if (static_cast<unsigned char>(c) < 0x20 ||
                std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
                c = '_';
        if (!stem.empty()) name += " " + stem;
    }
    if (attempt > 1) name += " (" + std::to_string(attempt) + ")";
    return name + std::string(kText);
}

// Keeps the game just discarded and the newest others by their time of change, not by their
// names: a clock set back must not make a fresh discard go at once.
void pruneDiscarded(const fs::path& folder, const fs::path& fresh) {
    std::error_code ec;
    std::vector<std::pair<fs::file_time_type, fs::path>> games;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::error_code e;
        if (entry.path().extension() != kText || !entry.is_regular_file(e)) continue;
        if (entry.path().filename() == fresh.filename()) continue;
        games.emplace_back(entry.last_write_time(e), entry.path());
    }
    std::sort(games.begin(), games.end(), std::greater<>());
    for (std::size_t i = Recovery::kDiscardedKept - 1; i < games.size(); ++i)
        fs::remove(games[i].second, ec);
}

} // namespace

Recovery::Recovery(std::string folder)
    : folder_(std::move(folder)), id_(newId()), diskSync_(syncToDisk) {}

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
    if (!written_ && superseded_.empty()) lock_->removeAndRelease();
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
        bool busy = false;
        std::optional<FileLock> lock = FileLock::take(fileOf(id, kLock), nullptr, &busy);
        // Only a running copy is left alone. A lock that cannot be taken at all (a read-only
        // folder, a file system without locks) must not hide the game for ever: it is offered
        // all the same, and the copy's first write says why it cannot be kept.
        if (!lock && busy) continue;
        std::vector<std::uint64_t> versions = copies[id].versions;
        std::sort(versions.begin(), versions.end(), std::greater<>());
        std::optional<Found> found;
        std::uint64_t version = 0;
        std::vector<std::uint64_t> older;
        for (const std::uint64_t v : versions) {
            if (found) {
                // Versions a kill or a power cut left beside the newer one; they go once the
                // offered one is on the disk.
                older.push_back(v);
                continue;
            }
            const std::string file = versionOf(id, v);
            found = readRecovery(file);
            version = v;
            // Not a complete game (a power cut before its data reached the disk): set aside
            // for good, and the version before it tried.
            if (!found && exists(file)) {
                std::error_code e;
                fs::rename(pathOf(file), pathOf(file + ".broken"), e);
            }
        }
        if (!found) {
            if (lock) lock->removeAndRelease();
            continue;
        }
        release();
        id_ = id;
        version_ = version;
        superseded_ = std::move(older);
        written_ = true;
        unsynced_ = true;
        label_ = found->kept.label;
        lock_ = std::move(lock);
        sync();
        return found;
    }
    return std::nullopt;
}

std::optional<std::string> Recovery::write(const KeptGame& kept) {
    std::string why;
    if (!ownLock(&why)) return why;
    const std::optional<std::string> bytes = recoveryBytes(kept, playsText_);
    // What the copy holds must open again, as a saved game must.
    if (!bytes || bytes->size() > kMaxRecoveryBytes)
        return std::string(QT_TRANSLATE_NOOP("Core", "the game is too large to keep."));

    const std::string temp = fileOf(id_, ".tmp");
    if (auto failure = writeNewFile(temp, *bytes)) return failure;
    // A new name each time, and no version removed before a newer one is on the disk: a power
    // cut may lose the data of a file just renamed into place but keep the rename, and the
    // version before it is then the one offered. (A new name also spares the stat a quarter of
    // a millisecond: ext4 starts writing a file out at once when it is renamed over another.)
    std::error_code ec;
    fs::rename(pathOf(temp), pathOf(versionOf(id_, version_ + 1)), ec);
    if (ec) {
        removeFile(temp);
        return ec.message();
    }
    if (written_) superseded_.push_back(version_);
    ++version_;
    written_ = true;
    label_ = kept.label;
    unsynced_ = true;
    return std::nullopt;
}

std::optional<std::string> Recovery::sync() {
    if (!unsynced_) return std::nullopt;
    if (auto failure = diskSync_(written_ ? path() : std::string(), folder_)) return failure;
    unsynced_ = false;
    removeSuperseded();
    return std::nullopt;
}

void Recovery::removeSuperseded() {
    // One that cannot be removed now (Windows, while something reads it) is tried again at the
    // next sync; the start-up offers only the newest version in any case.
    std::erase_if(superseded_, [this](std::uint64_t v) { return removeFile(versionOf(id_, v)); });
}

void Recovery::remove() {
    if (!written_ && superseded_.empty()) return;
    if (removeFile(path())) written_ = false;
    std::erase_if(superseded_, [this](std::uint64_t v) { return removeFile(versionOf(id_, v)); });
    unsynced_ = true;
}

std::optional<std::string> Recovery::discard() {
    if (!written_) return std::nullopt;
    // The game goes into discarded/ only once its bytes are on the disk: the rename may reach
    // the disk before the data of the file renamed, and leave an empty game there.
    if (auto failure = diskSync_(path(), folder_)) {
        giveUp();
        return failure;
    }
    const fs::path folder = pathOf(discardedFolder());
    std::error_code ec;
    fs::create_directories(folder, ec);
    fs::path kept;
    // A rename needs no space and leaves the game whole in one place or the other.
    for (int attempt = 1; !ec; ++attempt) {
        kept = folder / pathOf(discardedName(label_, attempt));
        if (fs::exists(kept, ec) || ec) continue;
        fs::rename(pathOf(path()), kept, ec);
        break;
    }
    if (ec) {
        giveUp();
        return ec.message();
    }
    written_ = false;
    // Its time is when it was discarded, and later than every other's: the order of the
    // discards holds even where a file's time counts whole seconds (or two, on FAT) or the
    // clock was set back.
    auto time = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::error_code e;
        if (entry.path().filename() == kept.filename()) continue;
        const auto other = entry.last_write_time(e);
        if (!e && other + std::chrono::seconds(2) > time) time = other + std::chrono::seconds(2);
    }
    fs::last_write_time(kept, time, ec);
    // No other version of the game goes before the one in discarded/ is there for good.
    if (auto failure = diskSync_(utf8Of(kept), utf8Of(folder))) {
        giveUp();
        return failure;
    }
    diskSync_({}, folder_);
    removeSuperseded();
    pruneDiscarded(folder, kept);
    return std::nullopt;
}

void Recovery::giveUp() {
    lock_.reset();
    id_ = newId();
    version_ = 0;
    superseded_.clear();
    written_ = false;
    unsynced_ = false;
}

} // namespace tallivant
