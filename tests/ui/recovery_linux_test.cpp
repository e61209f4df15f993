// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery copy on a full disk, made with a file size limit.
#include <csignal>

#include <QSignalSpy>

#include <sys/resource.h>

#include "recovery_fixture.h"
#include "support/game_fixture.h"
#include "support/scratch_folder.h"

namespace tallivant::testing {
namespace {

// The stats recorded while the disk was full are kept as soon as there is room again, without
// waiting for another stat; the copy says when it fails and when it is kept again.
TEST_F(RecoveryTest, AFullDiskWarnsOnceAndStopsNoStatAndTheCopyIsWrittenOnceThereIsRoom) {
    restart();
    const RecoveryCopy& copy = window->recoveryCopy();
    QSignalSpy changes(&copy, &RecoveryCopy::failureChanged);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 64; // no file may grow past a few bytes
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    expectOneWarningOverFiveStats();
    EXPECT_TRUE(copy.failure());
    ::setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_TRUE(QTest::qWaitFor([&copy] { return !copy.failure(); }, 5000))
        << "the copy was not written again within 5 s of the room coming back";
    EXPECT_EQ(changes.count(), 2);
    const auto kept = parseGameFile(readBytes(recoveryFile()));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->fields[fieldByName("txtstltot").id()], "5");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

} // namespace
} // namespace tallivant::testing
