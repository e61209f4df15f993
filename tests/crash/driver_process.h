// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the crash driver in a folder of its own with the call library loaded into it, and the
// games the driver left there read back the way the program reads them.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

#include "crash_games.h"
#include "store/recovery.h"
#include "support/scratch_folder.h"
#include "support/watchdog.h"
#include "system/disk.h"

extern char** environ;

namespace tallivant::testing {

// A scratch folder holding the driver's folder (with games/ and state/ and nothing else) and
// room beside it for a log.
struct DriverFolder {
    ScratchFolder scratch;
    std::string root;
    DriverFolder() {
        // The library compares the driver's paths with this one as written.
        root = utf8(std::filesystem::canonical(scratch.path()) / "root");
        for (const char* folder : {"", kGamesFolder, kStateFolder})
            std::filesystem::create_directories(utf8Path(root + "/" + folder));
    }
};

// Runs crash_driver <root> <phase> <way> with the call library loaded and `settings` added to
// its environment; returns its wait status.
inline int runDriver(const std::string& root, const std::string& phase, const std::string& way,
                     const std::vector<std::string>& settings) {
    std::vector<std::string> env{std::string("LD_PRELOAD=") + TALLIVANT_CRASH_CALLS,
                                 "TALLIVANT_CALLS_ROOT=" + root};
    env.insert(env.end(), settings.begin(), settings.end());
    // A sanitizer's runtime wants to be loaded first; the call library has to be instead.
    std::string asan = "ASAN_OPTIONS=verify_asan_link_order=0";
    for (char** e = environ; *e; ++e) {
        const std::string setting = *e;
        if (setting.starts_with("ASAN_OPTIONS="))
            asan += ":" + setting.substr(13);
        else if (!setting.starts_with("LD_PRELOAD=") && !setting.starts_with("TALLIVANT_CALLS_"))
            env.push_back(setting);
    }
    env.push_back(asan);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = TALLIVANT_CRASH_DRIVER, r = root, p = phase, w = way;
    char* argv[] = {program.data(), r.data(), p.data(), w.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        throw std::runtime_error("cannot start " + program);
    int status = 0;
    {
        const Watchdog limit("crash_driver " + phase + " " + way + " to end",
                             std::chrono::seconds(20), [pid] { ::kill(pid, SIGKILL); });
        if (::waitpid(pid, &status, 0) != pid) throw std::runtime_error("lost " + program);
    }
    return status;
}

// Which of `games` a game read back is: its index; -2 for a complete game never written, -1 for
// none (no file, a game cut short, zeros).
inline int gameIn(const std::optional<GameContents>& game, const std::vector<GameContents>& games) {
    if (!game) return -1;
    for (std::size_t i = 0; i < games.size(); ++i)
        if (games[i] == *game) return static_cast<int>(i);
    return -2;
}

inline int savedGameIn(const std::string& root) {
    const auto bytes = readWholeFile(root + "/" + kSavedGame, kMaxGameFileBytes);
    const auto* text = std::get_if<std::string>(&bytes);
    return gameIn(text ? parseGameFile(*text) : std::nullopt, {oldSavedGame(), newSavedGame()});
}

// The copy a new start offers from the driver's state folder: its number, or as gameIn.
inline int offeredCopyIn(const std::string& root, int copies) {
    Recovery next(root + "/" + kStateFolder);
    const auto found = next.claimLeftBehind();
    std::vector<GameContents> games;
    for (int n = 0; n < copies; ++n)
        games.push_back(copyNumber(n));
    return gameIn(found ? std::optional(found->kept.game) : std::nullopt, games);
}

} // namespace tallivant::testing
