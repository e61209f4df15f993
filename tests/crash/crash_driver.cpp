// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program the crash tests record and kill: in its folder (which holds games/ and state/) it
// first puts an old game saved, a first recovery copy and old exports on the disk, then marks
// "begin" and plays one phase of a game with the program's own save, recovery copy, Discard and
// exports, or with one of the deliberately wrong ways of doing them that the tests must catch.
//
// Usage: crash_driver <folder> <phase> <way>
//   phase game     copies written with and without a sync between them, and a save among them
//         save     one save of a new game over the old one
//         stat     what a stat does: one more copy written, then synced
//         discard  a copy synced, one more written, then the game discarded
//         export   the report as PDF and the box score with its plays, as the command line
//                  writes them, over older ones
//   way   sound, save-unlinks-first, copy-removed-at-once, discard-syncs-nothing
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <dlfcn.h>
#include <unistd.h>

#include "crash_games.h"
#include "system/disk.h"
#include "session/exports.h"
#include "store/recovery.h"

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

// The program's recovery copy, or one of two wrong ways of keeping it.
class Copy {
public:
    Copy(const std::string& folder, const std::string& way) : recovery_(folder), way_(way) {}

    std::optional<std::string> write(const KeptGame& kept) {
        if (auto failure = recovery_.write(kept)) return failure;
        // The copy as it was first written: the version before removed at once, the sync left
        // for later. A power cut before that sync can keep the removal and the new name but not
        // the new bytes.
        if (way_ == "copy-removed-at-once") removeOtherVersions();
        return std::nullopt;
    }
    void sync() {
        if (auto failure = recovery_.sync()) fail("sync: " + *failure);
    }
    std::optional<std::string> discard() {
        if (way_ != "discard-syncs-nothing") return recovery_.discard();
        // Moves the newest version away and removes the others without a sync of the file or
        // of either folder: the cut may keep the names and lose the bytes.
        const std::string folder = recovery_.folder() + "/discarded";
        std::error_code ec;
        std::filesystem::create_directory(pathOf(folder), ec);
        std::filesystem::rename(pathOf(recovery_.path()), pathOf(folder + "/discarded.txt"), ec);
        if (ec) return ec.message();
        removeOtherVersions();
        return std::nullopt;
    }

private:
    void removeOtherVersions() {
        const std::string newest = utf8Of(pathOf(recovery_.path()).filename());
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(pathOf(recovery_.folder()))) {
            const std::string name = utf8Of(entry.path().filename());
            if (name.starts_with("game-") && name.ends_with(".txt") && name != newest)
                std::filesystem::remove(entry.path(), ec);
        }
    }

    Recovery recovery_;
    std::string way_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) fail("usage: crash_driver <folder> <phase> <way>");
    const std::string folder = argv[1], phase = argv[2], way = argv[3];
    if (way != "sound" && way != "save-unlinks-first" && way != "copy-removed-at-once" &&
        way != "discard-syncs-nothing")
        fail("no way " + way);
    const std::string target = folder + "/" + kSavedGame;

    auto save = [&](int n) {
        const std::string bytes = savedGameBytes(n);
        const auto failure = way == "save-unlinks-first" ? saveUnlinkingFirst(target, bytes)
                                                         : saveGameFile(target, bytes);
        if (failure) fail("save: " + *failure);
    };
    Copy copy(folder + "/" + kStateFolder, way);
    int written = 0;
    auto write = [&](int n) {
        mark("writing " + std::to_string(n));
        if (auto failure = copy.write(NumberedGame(n).kept)) fail("recovery copy: " + *failure);
        written = n;
    };
    auto sync = [&] {
        copy.sync();
        mark("synced " + std::to_string(written));
    };
    // As the command line writes them: the PDF first, then the box score and its plays.
    auto exportGame = [&](int n) {
        std::vector<Output> outputs{{folder + "/" + kPdfExport, pdfBytes(n)}};
        for (Output& output : boxScoreOutputs(NumberedGame(n).game, folder + "/" + kCsvExport))
            outputs.push_back(std::move(output));
        if (auto refusal = writeOutputs(outputs, {folder + "/" + kSavedGame}))
            fail(refusal->path + ": " + refusal->reason);
    };

    save(kOldSavedGame);
    write(0);
    sync();
    if (phase == "export") exportGame(kOldSavedGame);
    mark("begin");
    if (phase == "game") {
        write(1);
        sync();
        write(2);
        write(3);
        sync();
        mark("saving");
        save(kNewSavedGame);
        mark("saved");
        write(4);
        sync();
    } else if (phase == "save") {
        mark("saving");
        save(kNewSavedGame);
        mark("saved");
    } else if (phase == "stat") {
        write(1);
        sync();
    } else if (phase == "discard") {
        write(1);
        sync();
        write(2);
        mark("discarding");
        if (auto failure = copy.discard()) fail("discard: " + *failure);
        mark("discarded");
    } else if (phase == "export") {
        mark("exporting");
        exportGame(kNewSavedGame);
        mark("exported");
    } else {
        fail("no phase " + phase);
    }
    return 0;
}
