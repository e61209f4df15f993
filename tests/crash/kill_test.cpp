// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Killing the program at any call of a save or of a stat loses no game: the driver is killed
// with SIGKILL at its first call that changes the disk, then in a new run at its second, and so
// on until a run finishes first; after each kill the game file and the next start's claim are
// read back.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

#include "driver_process.h"

namespace tallivant::testing {
namespace {

struct Kills {
    int tried = 0, lost = 0;
    int oldSeen = 0, newSeen = 0; // kills after which the old (new) game was found
    std::string firstLoss;
};

Kills killAtEveryCall(const std::string& phase, const std::string& way) {
    Kills k;
    for (int n = 1; n <= 1000; ++n) {
        DriverFolder driver;
        const int status =
            runDriver(driver.root, phase, way, {"TALLIVANT_CALLS_KILL_AT=" + std::to_string(n)});
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) break;
        if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL) {
            ADD_FAILURE() << "the driver failed on its own before call " << n;
            break;
        }
        ++k.tried;
        // A save leaves the old game or the new one; a stat, the copy before it or its own.
        const int saved = savedGameIn(driver.root);
        const int offered = offeredCopyIn(driver.root, phase == "stat" ? 2 : 1);
        const bool savedOk = saved == 0 || (saved == 1 && phase == "save");
        const bool offeredOk = offered >= 0;
        if (savedOk && offeredOk) {
            ++((phase == "save" ? saved : offered) == 0 ? k.oldSeen : k.newSeen);
            continue;
        }
        ++k.lost;
        if (k.firstLoss.empty())
            k.firstLoss = "killed at call " + std::to_string(n) + ": the game file holds " +
                          (saved < 0 ? "no complete game" : "game " + std::to_string(saved)) +
                          ", the next start offers " +
                          (offered < 0 ? "no game" : "copy " + std::to_string(offered));
    }
    std::printf("[ kills ] %s, %s: %d kills tried, %d lose a game%s%s\n", phase.c_str(),
                way.c_str(), k.tried, k.lost,
                k.firstLoss.empty() ? "" : "; first: ", k.firstLoss.c_str());
    std::fflush(stdout);
    return k;
}

TEST(KillAtEveryCall, ASaveLeavesTheOldGameOrTheNew) {
    const Kills k = killAtEveryCall("save", "sound");
    EXPECT_EQ(k.lost, 0) << k.firstLoss;
    // Kills landed on both sides of the moment the new game takes the old one's place.
    EXPECT_GT(k.oldSeen, 0);
    EXPECT_GT(k.newSeen, 0);
}

TEST(KillAtEveryCall, AStatLeavesTheCopyBeforeItOrItsOwn) {
    const Kills k = killAtEveryCall("stat", "sound");
    EXPECT_EQ(k.lost, 0) << k.firstLoss;
    EXPECT_GT(k.oldSeen, 0);
    EXPECT_GT(k.newSeen, 0);
}

// The copy that removes its old version before the sync is not among these: after a kill the
// system still holds the new version's bytes, which only a power cut loses (explorer_test.cpp).
TEST(KillAtEveryCall, ASaveThatRemovesTheOldFileFirstIsCaught) {
    const Kills k = killAtEveryCall("save", "save-unlinks-first");
    EXPECT_GT(k.lost, 0);
}

} // namespace
} // namespace tallivant::testing
