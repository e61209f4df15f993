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
#include "system/load_game.h"
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

// Where the states of a cut are read back: in memory where the system has a folder there, as
// a new start's claim syncs what it reads and thousands of states are read.
inline std::filesystem::path readBackBase() {
    std::error_code ec;
    const std::filesystem::path memory = "/dev/shm";
    return std::filesystem::is_directory(memory, ec) ? memory
                                                     : std::filesystem::temp_directory_path();
}

// The games numbered 0 to n-1 (NumberedGame), made once.
inline const std::vector<KeptGame>& numberedGames(int n) {
    static std::vector<KeptGame> games;
    for (int i = static_cast<int>(games.size()); i < n; ++i)
        games.push_back(NumberedGame(i).kept);
    return games;
}

// Which of the games numbered from 0 (or of `numbers`) a game read back is, compared whole: its
// number; -2 for a complete game never written, -1 for none (no file, a game cut short, zeros).
inline int gameIn(const std::optional<KeptGame>& game, int copies) {
    if (!game) return -1;
    for (int n = 0; n < copies; ++n)
        if (sameGame(numberedGames(copies)[n], *game)) return n;
    return -2;
}

// The saved game: 0 the old one, 1 the new one, else as gameIn. File|Open reads no label nor
// memory from it.
inline int savedGameIn(const std::string& root) {
    const auto read = loadGameFile(root + "/" + kSavedGame);
    const auto* saved = std::get_if<SavedGame>(&read);
    if (!saved) return -1;
    static const KeptGame games[] = {NumberedGame(kOldSavedGame).kept,
                                     NumberedGame(kNewSavedGame).kept};
    for (int i = 0; i < 2; ++i)
        if (games[i].game == saved->game && games[i].quarter == saved->quarter &&
            games[i].plays == saved->plays)
            return i;
    return -2;
}

// The copy a new start offers from the state folder `folder`, as gameIn.
inline int copyOfferedFrom(const std::string& folder, int copies) {
    Recovery next(folder);
    const auto found = next.claimLeftBehind();
    return gameIn(found ? std::optional(found->kept) : std::nullopt, copies);
}

// The copy a new start offers from the driver's state folder.
inline int offeredCopyIn(const std::string& root, int copies) {
    return copyOfferedFrom(root + "/" + kStateFolder, copies);
}

// The copies held whole in the driver's discarded/, each read as the next start would read it
// had it been left in the state folder (where the game, its plays, label and memory are read).
inline std::vector<int> discardedCopiesIn(const std::string& root, int copies) {
    std::vector<int> found;
    std::error_code ec;
    for (const auto& entry :
         std::filesystem::directory_iterator(utf8Path(root + "/" + kDiscardedFolder), ec)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".txt") continue;
        const ScratchFolder state(readBackBase());
        writeBytes(state.path() / "game-000000000000001-000000-1.0000000001.txt",
                   readBytes(entry.path()));
        found.push_back(copyOfferedFrom(utf8(state.path()), copies));
    }
    return found;
}

} // namespace tallivant::testing
