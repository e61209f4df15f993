// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A power cut at any moment loses no game: the file system calls of the driver's phases (a game
// with its recovery copies and a save, a Discard, the command line's exports) are recorded, and
// every state the disk may be left in by a cut after any of them is put in a folder and read
// back with the program's own readers and a new start's claim. Deliberately wrong ways of saving,
// copying and discarding show that it finds losses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <span>

#include <fcntl.h>

#include "crash_states.h"
#include "driver_process.h"
#include "formats/csv.h"

namespace tallivant::testing {
namespace {

constexpr int kCopies = 5; // the driver writes copies 0 to 4 at most
const std::string kPlaysExport = playsCsvPath(kCsvExport);
const std::string kExports[] = {kPdfExport, kCsvExport, kPlaysExport};

// What the driver had done, and so what a cut must leave, once a number of calls were made.
struct Promised {
    int synced = -1;  // the newest copy whose sync had returned
    int writing = -1; // the newest copy whose write had begun
    bool saving = false, saved = false, discarding = false, discarded = false, exported = false;
};

std::vector<Promised> promisesOf(const std::vector<Call>& calls) {
    std::vector<Promised> promised(calls.size() + 1);
    for (std::size_t done = 1; done <= calls.size(); ++done) {
        Promised p = promised[done - 1];
        const Call& call = calls[done - 1];
        if (call.kind == "mark") {
            const std::string& m = call.path;
            if (m.starts_with("synced ")) p.synced = std::stoi(m.substr(7));
            if (m.starts_with("writing ")) p.writing = std::stoi(m.substr(8));
            p.saving = p.saving || m == "saving";
            p.saved = p.saved || m == "saved";
            p.discarding = p.discarding || m == "discarding";
            p.discarded = p.discarded || m == "discarded";
            p.exported = p.exported || m == "exported";
        }
        promised[done] = p;
    }
    return promised;
}

// What a new start finds in a folder left by a cut.
struct Found {
    int saved;                // 0 the old game, 1 the new one, else neither
    int offered;              // the recovery copy's number, else none or a game never written
    std::vector<int> kept;    // the copies whole in discarded/
    std::vector<int> exports; // of kExports: 0 old, 1 new, -1 none, -2 neither
};

std::string copyName(int n) {
    return n >= 0 ? "copy " + std::to_string(n) : n == -1 ? "no game" : "a game never written";
}

// What a cut lost, and how to say it.
struct Loss {
    bool save = false, copy = false, exports = false;
    std::string why;
    void add(bool& kind, const std::string& text) {
        kind = true;
        why += (why.empty() ? "" : "; ") + text;
    }
};

Loss lossIn(const Found& found, const Promised& p) {
    Loss loss;
    // The old game until the save has returned, the new one from when it begins.
    if (!((found.saved == 0 && !p.saved) || (found.saved == 1 && p.saving)))
        loss.add(loss.save, found.saved < 0 ? "the game file holds no complete game"
                                            : "the game file holds the wrong game");
    // A copy at least as new as the last one synced, offered or, once a Discard has begun, in
    // discarded/; once the Discard has returned, the game discarded itself.
    const auto fits = [&](int n) {
        return p.discarded ? n == p.writing : n >= p.synced && n <= p.writing;
    };
    const bool keptFits = p.discarding && std::any_of(found.kept.begin(), found.kept.end(), fits);
    if (!fits(found.offered) && !keptFits) {
        std::string kept;
        for (const int n : found.kept)
            kept += (kept.empty() ? "" : ", ") + copyName(n);
        loss.add(loss.copy, "the next start offers " + copyName(found.offered) + " where copy " +
                                std::to_string(p.discarded ? p.writing : p.synced) +
                                (p.discarded ? " had been discarded" : " had been synced") +
                                (p.discarding ? ", and discarded/ holds " +
                                                    (kept.empty() ? std::string("nothing") : kept)
                                              : ""));
    }
    for (std::size_t i = 0; i < found.exports.size(); ++i) {
        const int e = found.exports[i];
        if (e == 1 || (e == 0 && !p.exported)) continue;
        loss.add(loss.exports, kExports[i] + (e == -1  ? " is gone"
                                              : e == 0 ? " is still the old one"
                                                       : " is neither the old one nor the new"));
    }
    return loss;
}

struct Exploration {
    std::size_t cuts = 0, states = 0, onDisk = 0, sampled = 0, lost = 0;
    std::size_t savesLost = 0, copiesLost = 0, exportsLost = 0;
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

Exploration explore(const std::string& phase, const std::string& way) {
    DriverFolder driver;
    const std::string log = utf8(driver.scratch.path() / "calls.log");
    const int status = runDriver(driver.root, phase, way, {"TALLIVANT_CALLS_LOG=" + log});
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the driver failed";

    const CrashStates states(readCallLog(log, driver.root), {kGamesFolder, kStateFolder});
    // A call the library missed would leave the replay short of what really happened.
    const DiskState real = readDisk(driver.root);
    EXPECT_TRUE(states.everything() == real)
        << "the replayed calls differ from the driver's folder in:"
        << differences(states.everything(), real);
    const DiskState before = states.everything(states.afterMark("begin"));

    const std::vector<Promised> promised = promisesOf(states.calls());
    const ScratchFolder cut(readBackBase());
    const std::string scratch = utf8(cut.path() / "cut");
    std::map<DiskState, Found> seen;
    Exploration e;
    std::set<std::size_t> cuts;
    const auto find = [&](const DiskState& state) {
        writeDisk(state, scratch);
        Found found{savedGameIn(scratch), offeredCopyIn(scratch, kCopies), {}, {}};
        if (phase == "discard") found.kept = discardedCopiesIn(scratch, kCopies);
        const auto outputs = phase == "export" ? std::span<const std::string>(kExports)
                                               : std::span<const std::string>();
        for (const std::string& path : outputs) {
            const auto file = state.files.find(path);
            found.exports.push_back(file == state.files.end()               ? -1
                                    : file->second == before.files.at(path) ? 0
                                    : file->second == real.files.at(path)   ? 1
                                                                            : -2);
        }
        std::filesystem::remove_all(utf8Path(scratch));
        return found;
    };
    const auto visit = [&](std::size_t done, const DiskState& state,
                           const CrashStates::Describe& describe) {
        cuts.insert(done);
        auto it = seen.find(state);
        if (it == seen.end()) it = seen.emplace(state, find(state)).first;
        const Loss loss = lossIn(it->second, promised[done]);
        e.savesLost += loss.save ? 1 : 0;
        e.copiesLost += loss.copy ? 1 : 0;
        e.exportsLost += loss.exports ? 1 : 0;
        e.lost += loss.why.empty() ? 0 : 1;
        if (!loss.why.empty() && e.firstLoss.empty()) {
            const Call& last = states.calls()[done - 1];
            e.firstLoss = "cut after call " + std::to_string(done) + " (" + last.kind + " " +
                          last.path + (last.to.empty() ? "" : " to " + last.to) + "): " + loss.why +
                          "; " + describe();
        }
    };
    e.states = states.explore("begin", visit, &e.sampled);
    e.onDisk = seen.size();
    e.cuts = cuts.size();
    std::printf("[ states ] %s, %s: %zu explored, %zu lost (%zu cut points, %zu of them with "
                "the bytes' choices sampled; %zu different on disk; %zu lose the saved game, "
                "%zu the recovery copy or the game discarded, %zu an export)%s%s\n",
                phase.c_str(), way.c_str(), e.states, e.lost, e.cuts, e.sampled, e.onDisk,
                e.savesLost, e.copiesLost, e.exportsLost,
                e.firstLoss.empty() ? "" : "; first: ", e.firstLoss.c_str());
    std::fflush(stdout);
    return e;
}

// The disk's rules themselves, on calls made up for them: a file's unsynced bytes cut at a block
// or ended in garbage; of six names created and not synced, the last four in any order and the
// older two in theirs; all of them once their folder is synced.
TEST(CrashStates, CutsAtBlocksAndReordersOnlyTheLastFourNameChanges) {
    std::vector<Call> calls{{"mark", -1, 0, "begin", "", ""},
                            {"open", 3, O_CREAT | O_WRONLY, "d/a", "", ""},
                            {"write", 3, 0, "d/a", "", std::string(1300, 'x')},
                            {"close", 3, 0, "d/a", "", ""}};
    for (int i = 1; i <= 6; ++i) {
        calls.push_back({"open", 4, O_CREAT | O_WRONLY, "d/f" + std::to_string(i), "", ""});
        calls.push_back({"close", 4, 0, "d/f" + std::to_string(i), "", ""});
    }
    for (const bool folderSynced : {false, true}) {
        if (folderSynced) {
            calls.push_back({"open", 5, O_RDONLY, "d", "", ""});
            calls.push_back({"fsync", 5, 0, "d", "", ""});
        }
        bool laterAlone = false, olderAlone = false, cut = false, garbage = false;
        std::size_t allNames = 0, states = 0;
        CrashStates(calls, {"d"})
            .explore("begin", [&](std::size_t done, const DiskState& state,
                                  const CrashStates::Describe&) {
                if (done != calls.size()) return;
                const auto has = [&](int i) {
                    return state.files.contains("d/f" + std::to_string(i));
                };
                laterAlone = laterAlone || (has(6) && !has(5) && !has(4));
                olderAlone = olderAlone || (has(2) && !has(1)) || (has(3) && !has(2));
                allNames += has(1) && has(2) && has(3) && has(4) && has(5) && has(6) ? 1 : 0;
                ++states;
                const std::string a = state.files.contains("d/a") ? state.files.at("d/a") : "";
                cut = cut || a == std::string(1024, 'x');
                garbage = garbage || (a.size() == 1300 && a.starts_with(std::string(512, 'x')) &&
                                      a[512] != 'x' && a.find('\0') == std::string::npos);
            });
        EXPECT_TRUE(cut);
        EXPECT_TRUE(garbage);
        EXPECT_EQ(olderAlone, false);
        EXPECT_EQ(laterAlone, !folderSynced);
        EXPECT_EQ(allNames == states, folderSynced);
    }
}

struct Case {
    const char* phase;
    const char* way;
    bool savesLost, copiesLost; // what the way must be caught losing
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.phase << ", " << c.way;
}

class PowerCut : public ::testing::TestWithParam<Case> {};

TEST_P(PowerCut, LosesWhatTheWayLosesAndNothingElse) {
    const Case c = GetParam();
    const Exploration e = explore(c.phase, c.way);
    EXPECT_GT(e.states, e.cuts);
    if (c.savesLost)
        EXPECT_GT(e.savesLost, 0u);
    else
        EXPECT_EQ(e.savesLost, 0u) << e.firstLoss;
    if (c.copiesLost)
        EXPECT_GT(e.copiesLost, 0u);
    else
        EXPECT_EQ(e.copiesLost, 0u) << e.firstLoss;
    EXPECT_EQ(e.exportsLost, 0u) << e.firstLoss;
}

INSTANTIATE_TEST_SUITE_P(Phases, PowerCut,
                         ::testing::Values(Case{"game", "sound", false, false},
                                           Case{"discard", "sound", false, false},
                                           Case{"export", "sound", false, false},
                                           Case{"game", "save-unlinks-first", true, false},
                                           Case{"game", "copy-removed-at-once", false, true},
                                           Case{"discard", "discard-syncs-nothing", false, true}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name =
                                 std::string(info.param.phase) + "_" + info.param.way;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace tallivant::testing
