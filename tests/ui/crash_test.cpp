// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Killing the program at any moment of a game costs no recorded stat: real copies of the
// program, killed with SIGKILL, and their games offered back at the next start.
#include <QAction>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "crash_play.h"
#include "session/file_commands.h"
#include "store/recovery.h"
#include "support/scratch_folder.h"
#include "support/watchdog.h"
#include "window_fixture.h"

extern char** environ;

namespace tallivant::testing {
namespace {

// A running crash_child with its state folder and the steps it reported done.
class Child {
public:
    Child(const std::string& stateFolder, unsigned seed, int steps) {
        int out[2];
        if (::pipe(out) != 0) throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> env = {"XDG_STATE_HOME=" + stateFolder,
                                        "QT_QPA_PLATFORM=offscreen", "HOME=" + stateFolder};
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = TALLIVANT_CRASH_CHILD, s = std::to_string(seed),
                    n = std::to_string(steps);
        char* argv[] = {program.data(), s.data(), n.data(), nullptr};
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data()) != 0)
            throw std::runtime_error("cannot start " + program);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        out_ = ::fdopen(out[0], "r");
    }
    ~Child() {
        kill();
        std::fclose(out_);
    }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }
    // Reads what the child said until it reports `count` steps or ends; returns the last count.
    // A child that says nothing for 20 s is killed, and the test ends naming the step awaited.
    int readUntil(int count) {
        const Watchdog limit("step " + std::to_string(count) + " of crash_child",
                             std::chrono::seconds(20), [pid = pid_] { ::kill(pid, SIGKILL); });
        char line[64];
        while (last_ < count && std::fgets(line, sizeof line, out_))
            if (line[0] != 's') last_ = std::atoi(line);
        return last_;
    }
    bool waitStarted() {
        const Watchdog limit("crash_child to start", std::chrono::seconds(20),
                             [pid = pid_] { ::kill(pid, SIGKILL); });
        char line[64];
        return std::fgets(line, sizeof line, out_) && line[0] == 's';
    }

private:
    pid_t pid_ = 0;
    FILE* out_ = nullptr;
    int last_ = 0;
};

// The game after each number of steps, from the engine.
std::vector<GameContents> gamesAfterEachStep(unsigned seed, int steps,
                                             std::vector<bool>* empty = nullptr) {
    FakeDialogs dialogs;
    Game game(dialogs);
    std::vector<GameContents> games{contentsOf(game)};
    if (empty) empty->assign(1, true);
    for (const PlayStep& s : playSteps(seed, steps)) {
        playStep(game, s);
        games.push_back(contentsOf(game));
        if (empty) empty->push_back(holdsNothing(game));
    }
    return games;
}

TEST(Crash, AKillAtAnyMomentLosesNoCompletedStatAndRestoresIt) {
    constexpr int kSteps = 400, kRounds = 50;
    std::mt19937 random(2026);
    int midGame = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        QTemporaryDir state;
        const unsigned seed = 100 + round;
        std::vector<bool> empty; // a sheet with no stat and no name, which no copy keeps
        const auto games = gamesAfterEachStep(seed, kSteps, &empty);
        // The kill is aimed at the child's progress, not at the clock: once it has reported a
        // step of the game's first half, and a few hundred microseconds on, inside a later step
        // as often as between two. How fast the machine is moves neither.
        const int aim = static_cast<int>(random() % (kSteps / 2));
        const auto later = std::chrono::microseconds(random() % 400);
        int done = 0;
        {
            Child child(state.path().toStdString(), seed, kSteps);
            ASSERT_TRUE(child.waitStarted());
            ASSERT_GE(child.readUntil(aim), aim);
            std::this_thread::sleep_for(later);
            child.kill();
            done = child.readUntil(kSteps);
        }
        if (done > 0 && done < kSteps) ++midGame;

        Recovery recovery((state.path() + "/tallivant").toStdString());
        const auto found = recovery.claimLeftBehind();
        // Every completed step is there, none twice; the step under way may or may not be.
        const bool isDone = found && found->kept.game == games[done];
        const bool isNext = found && done < kSteps && found->kept.game == games[done + 1];
        if (!found) {
            // Nothing was left only if the sheet held nothing: a stat taken back leaves every
            // field reading 0, some as "0.00%", and that is not kept.
            EXPECT_TRUE(empty[done] || (done < kSteps && empty[done + 1])) << done << " steps done";
            continue;
        }
        EXPECT_TRUE(isDone || isNext) << done << " steps done";
    }
    // The kills must really land in the middle of games, not only before or after.
    std::printf("[ kills ] %d of %d landed in the middle of a game\n", midGame, kRounds);
    EXPECT_GE(midGame, kRounds / 2);
}

using Restore = WindowTest;

TEST_F(Restore, TheNextStartOffersTheKilledCopysGameAndOnlyThatOne) {
    QTemporaryDir state;
    const std::string folder = state.path().toStdString();
    const auto gamesA = gamesAfterEachStep(1, 30), gamesB = gamesAfterEachStep(2, 40);
    Child a(folder, 1, 30), b(folder, 2, 40);
    ASSERT_EQ(a.readUntil(30), 30);
    ASSERT_EQ(b.readUntil(40), 40);
    b.kill();

    // A third copy: offered B's game, which it now owns, and not A's, whose copy still runs.
    const QByteArray testState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    FakeDialogs third;
    auto restored = std::make_unique<ui::StatWindow>(third);
    restored->offerRecovery();
    ASSERT_EQ(third.shown.size(), 1u);
    EXPECT_EQ(third.shown[0].kind, "restore");
    EXPECT_EQ(third.shown[0].title, "Restore game");
    EXPECT_EQ(third.shown[0].text, "Tallivant ended before this game was saved. Restore it?");
    EXPECT_EQ(contentsOf(restored->game()), gamesB[40]);
    EXPECT_TRUE(restored->game().hasUnsavedChanges());
    // It goes on where it stopped: the quarter that was on, and the last stat can be taken
    // back (the takeback memory as the engine has it after the same steps).
    FakeDialogs engineDialogs;
    Game engine(engineDialogs);
    for (const PlayStep& s : playSteps(2, 40))
        playStep(engine, s);
    EXPECT_EQ(restored->game().memory(), engine.memory());
    const auto steps = playSteps(2, 40);
    const auto lastStat = std::find_if(steps.rbegin(), steps.rend(),
                                       [](const PlayStep& s) { return s.statRow >= 0; });
    EXPECT_EQ(restored->currentQuarter(), lastStat->quarter);

    // A fourth copy finds nothing: A runs, and B's game belongs to the third copy.
    FakeDialogs fourth;
    auto another = std::make_unique<ui::StatWindow>(fourth);
    another->offerRecovery();
    EXPECT_TRUE(fourth.shown.empty());

    // Once A is killed, its game is the one offered; declined, it goes to discarded/, from
    // where File|Open brings it back.
    a.kill();
    fourth.restoreAnswers = {false};
    another->offerRecovery();
    ASSERT_EQ(fourth.shown.size(), 1u);
    EXPECT_EQ(contentsOf(another->game()), gamesA[0]);
    const std::string discarded = another->recoveryCopy().recovery().discardedFolder();
    std::vector<std::string> kept;
    for (const auto& e : std::filesystem::directory_iterator(discarded))
        kept.push_back(e.path().string());
    ASSERT_EQ(kept.size(), 1u);
    // Named for when it was discarded; it had no file of its own.
    EXPECT_TRUE(isDiscardedName(std::filesystem::path(kept[0]).filename().string(), "")) << kept[0];
    fourth.fileAnswers = {kept[0]};
    another->findChild<QAction*>("mnuFileOpen")->trigger();
    EXPECT_EQ(contentsOf(another->game()), gamesA[30]);
    qputenv("XDG_STATE_HOME", testState);
}

} // namespace
} // namespace tallivant::testing
