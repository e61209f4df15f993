// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program the crash tests record and kill: in its folder (which holds games/ and state/) it
// first puts an old game saved and a first recovery copy on the disk, then marks "begin" and
// plays one phase of a game with the program's own save and recovery copy, or with one of two
// deliberately wrong ways of doing them that the tests must catch.
//
// Usage: crash_driver <folder> <game|save|stat> <sound|save-unlinks-first|copy-removed-at-once>
//   game  copies written with and without a sync between them, and a save among them
//   save  one save of a new game over the old one
//   stat  what a stat does: one more copy written, then synced
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <dlfcn.h>
#include <unistd.h>

#include "crash_games.h"
#include "store/recovery.h"
#include "system/disk.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

// Tells the recording library where the driver is; nothing when it runs without one.
void mark(const std::string& text) {
    using Mark = void (*)(const char*);
    static const auto function =
        reinterpret_cast<Mark>(dlsym(RTLD_DEFAULT, "tallivant_calls_mark"));
    if (function) function(text.c_str());
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "crash_driver: %s\n", what.c_str());
    std::exit(1);
}

// A save that makes room for the new file by removing the old one first: a cut between the
// two leaves no game at all.
std::optional<std::string> saveUnlinkingFirst(const std::string& path, std::string_view bytes) {
    const std::string folder = utf8Of(pathOf(path).parent_path());
    std::string temp = folder + "/.tallivant-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return "mkstemp";
    const bool written = ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    if (!written || ::fsync(fd) != 0 || ::close(fd) != 0) return "write";
    ::unlink(path.c_str());
    if (::rename(temp.c_str(), path.c_str()) != 0) return "rename";
    return syncToDisk("", folder);
}

class Copy {
public:
    virtual ~Copy() = default;
    virtual std::optional<std::string> write(const GameContents& game) = 0;
    virtual void sync() = 0;
};

class ProgramCopy : public Copy {
public:
    explicit ProgramCopy(const std::string& folder) : recovery_(folder) {}
    std::optional<std::string> write(const GameContents& game) override {
        KeptGame kept;
        kept.game = game;
        kept.label = "game.txt";
        return recovery_.write(kept);
    }
    void sync() override {
        if (auto failure = recovery_.sync()) fail("sync: " + *failure);
    }

private:
    Recovery recovery_;
};

// The recovery copy as it was first written: each version renamed into place and the one before
// removed at once, the sync left for later. A power cut before that sync can keep the removal
// and the new name but not the new bytes.
class CopyRemovedAtOnce : public Copy {
public:
    explicit CopyRemovedAtOnce(const std::string& folder) : folder_(folder) {}
    std::optional<std::string> write(const GameContents& game) override {
        const std::string temp = folder_ + "/game-removed-at-once.tmp";
        if (auto failure = writeNewFile(temp, encodeGameFile(game))) return failure;
        std::error_code ec;
        std::filesystem::rename(pathOf(temp), pathOf(version(version_ + 1)), ec);
        if (ec) return ec.message();
        std::filesystem::remove(pathOf(version(version_)), ec);
        ++version_;
        return std::nullopt;
    }
    void sync() override { syncToDisk(version(version_), folder_); }

private:
    std::string version(unsigned n) const {
        char name[64];
        std::snprintf(name, sizeof name, "/game-removed-at-once.%010u.txt", n);
        return folder_ + name;
    }
    std::string folder_;
    unsigned version_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) fail("usage: crash_driver <folder> <game|save|stat> <way>");
    const std::string folder = argv[1], phase = argv[2], way = argv[3];
    if (way != "sound" && way != "save-unlinks-first" && way != "copy-removed-at-once")
        fail("no way " + way);
    const std::string target = folder + "/" + kSavedGame;
    const std::string state = folder + "/" + kStateFolder;

    auto save = [&](const GameContents& game) {
        const std::string bytes = encodeGameFile(game);
        const auto failure = way == "save-unlinks-first" ? saveUnlinkingFirst(target, bytes)
                                                         : writeFileSafely(target, bytes);
        if (failure) fail("save: " + *failure);
    };
    std::unique_ptr<Copy> copy;
    if (way == "copy-removed-at-once")
        copy = std::make_unique<CopyRemovedAtOnce>(state);
    else
        copy = std::make_unique<ProgramCopy>(state);
    int written = 0;
    auto write = [&](int n) {
        mark("writing " + std::to_string(n));
        if (auto failure = copy->write(copyNumber(n))) fail("recovery copy: " + *failure);
        written = n;
    };
    auto sync = [&] {
        copy->sync();
        mark("synced " + std::to_string(written));
    };

    save(oldSavedGame());
    write(0);
    sync();
    mark("begin");
    if (phase == "game") {
        write(1);
        sync();
        write(2);
        write(3);
        sync();
        mark("saving");
        save(newSavedGame());
        mark("saved");
        write(4);
        sync();
    } else if (phase == "save") {
        mark("saving");
        save(newSavedGame());
        mark("saved");
    } else if (phase == "stat") {
        write(1);
        sync();
    } else {
        fail("no phase " + phase);
    }
    return 0;
}
