// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A power cut at any moment of a game loses no game: the file system calls of a real save and
// of the recovery copy's writes are recorded, and every state the disk may be left in by a cut
// after any of them is put in a folder and read back with the program's own reader and a new
// start's claim. Two deliberately wrong ways of saving and copying show that it finds losses.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "crash_states.h"
#include "driver_process.h"

namespace tallivant::testing {
namespace {

constexpr int kCopies = 5; // the driver's game phase writes copies 0 to 4

// What the driver had done, and so what a cut must leave, once a number of calls were made.
struct Promised {
    int synced = -1;  // the newest copy whose sync had returned
    int writing = -1; // the newest copy whose write had begun
    bool saving = false, saved = false;
};

std::vector<Promised> promisesOf(const std::vector<Call>& calls) {
    std::vector<Promised> promised(calls.size() + 1);
    for (std::size_t done = 1; done <= calls.size(); ++done) {
        Promised p = promised[done - 1];
        const Call& call = calls[done - 1];
        if (call.kind == "mark") {
            if (call.path.starts_with("synced ")) p.synced = std::stoi(call.path.substr(7));
            if (call.path.starts_with("writing ")) p.writing = std::stoi(call.path.substr(8));
            p.saving = p.saving || call.path == "saving";
            p.saved = p.saved || call.path == "saved";
        }
        promised[done] = p;
    }
    return promised;
}

// What a new start finds in a folder left by a cut.
struct Found {
    int saved;   // 0 the old game, 1 the new one, else neither
    int offered; // the recovery copy's number, else none or a game never written
};

std::string copyName(int n) {
    return n >= 0 ? "copy " + std::to_string(n) : n == -1 ? "no game" : "a game never written";
}

// What a cut lost, and how to say it.
struct Loss {
    bool save = false, copy = false;
    std::string why;
};

Loss lossIn(const Found& found, const Promised& p) {
    Loss loss;
    // The old game until the save has returned, the new one from when it begins.
    loss.save = !((found.saved == 0 && !p.saved) || (found.saved == 1 && p.saving));
    loss.copy = found.offered < p.synced || found.offered > p.writing;
    if (loss.save)
        loss.why = found.saved < 0 ? "the game file holds no complete game"
                                   : "the game file holds the wrong game";
    if (loss.copy)
        loss.why += (loss.why.empty() ? "" : "; ") + std::string("the next start offers ") +
                    copyName(found.offered) + " where copy " + std::to_string(p.synced) +
                    " had been synced";
    return loss;
}

struct Exploration {
    std::size_t cuts = 0, states = 0, onDisk = 0;
    std::size_t savesLost = 0, copiesLost = 0;
    std::string firstLoss;
};

// Paths that differ between two folders.
std::string differences(const DiskState& a, const DiskState& b) {
    std::string out;
    for (const auto& [path, bytes] : a.files)
        if (!b.files.contains(path) || b.files.at(path) != bytes) out += " " + path;
    for (const auto& [path, bytes] : b.files)
        if (!a.files.contains(path)) out += " " + path;
    if (a.folders != b.folders) out += " (the folders)";
    return out;
}

Exploration explore(const std::string& way) {
    DriverFolder driver;
    const std::string log = utf8(driver.scratch.path() / "calls.log");
    const int status = runDriver(driver.root, "game", way, {"TALLIVANT_CALLS_LOG=" + log});
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the driver failed";

    const CrashStates states(readCallLog(log, driver.root), {kGamesFolder, kStateFolder});
    // A call the library missed would leave the replay short of what really happened.
    const DiskState real = readDisk(driver.root);
    EXPECT_TRUE(states.everything() == real)
        << "the replayed calls differ from the driver's folder in:"
        << differences(states.everything(), real);

    const std::vector<Promised> promised = promisesOf(states.calls());
    const std::string scratch = utf8(driver.scratch.path() / "cut");
    std::map<DiskState, Found> seen;
    Exploration e;
    std::set<std::size_t> cuts;
    e.states = states.explore("begin", [&](std::size_t done, const DiskState& state) {
        cuts.insert(done);
        auto it = seen.find(state);
        if (it == seen.end()) {
            writeDisk(state, scratch);
            it = seen.emplace(state, Found{savedGameIn(scratch), offeredCopyIn(scratch, kCopies)})
                     .first;
            std::filesystem::remove_all(utf8Path(scratch));
        }
        const Loss loss = lossIn(it->second, promised[done]);
        e.savesLost += loss.save ? 1 : 0;
        e.copiesLost += loss.copy ? 1 : 0;
        if (!loss.why.empty() && e.firstLoss.empty()) {
            const Call& last = states.calls()[done - 1];
            e.firstLoss = "cut after call " + std::to_string(done) + " (" + last.kind + " " +
                          last.path + (last.to.empty() ? "" : " to " + last.to) + "): " + loss.why;
        }
    });
    e.onDisk = seen.size();
    e.cuts = cuts.size();
    std::printf("[ crash states ] %s: %zu cut points, %zu crash states explored (%zu different on "
                "disk); %zu lose the saved game, %zu the recovery copy%s%s\n",
                way.c_str(), e.cuts, e.states, e.onDisk, e.savesLost, e.copiesLost,
                e.firstLoss.empty() ? "" : "; first: ", e.firstLoss.c_str());
    std::fflush(stdout);
    return e;
}

TEST(PowerCut, TheProgramsSaveAndRecoveryCopyLoseNoGame) {
    const Exploration e = explore("sound");
    EXPECT_GT(e.states, e.cuts);
    EXPECT_EQ(e.savesLost, 0u) << e.firstLoss;
    EXPECT_EQ(e.copiesLost, 0u) << e.firstLoss;
}

TEST(PowerCut, ASaveThatRemovesTheOldFileFirstIsCaught) {
    const Exploration e = explore("save-unlinks-first");
    EXPECT_GT(e.savesLost, 0u);
}

TEST(PowerCut, ACopyThatRemovesTheOldVersionBeforeItsSyncIsCaught) {
    const Exploration e = explore("copy-removed-at-once");
    EXPECT_GT(e.copiesLost, 0u);
    EXPECT_EQ(e.savesLost, 0u) << e.firstLoss;
}

} // namespace
} // namespace tallivant::testing
