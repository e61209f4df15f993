// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy on a full disk, made with a file size limit.
#include <csignal>

#include <sys/resource.h>

#include "recovery_fixture.h"

namespace tallivant::testing {
namespace {

TEST_F(RecoveryTest, AFullDiskWarnsOnceAndStopsNoStat) {
    restart();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 64; // no file may grow past a few bytes
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    expectOneWarningOverFiveStats();
    ::setrlimit(RLIMIT_FSIZE, &old);
}

} // namespace
} // namespace tallivant::testing
