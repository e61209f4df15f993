// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one door through which the program writes a file for the scorer: the game's own save,
// the PDFs and the CSVs, the season's and the command line's outputs. Each file is written
// whole or not at all (writeFileSafely). An export is first checked against the games being
// read and against the files it would replace, so that no export, season or command line ever
// writes over a game; the outputs of one command are checked together, and when any is
// refused none is written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/translatable.h"

namespace tallivant {

// A file to write: where, and its whole content.
struct Output {
    std::string path;
    std::string bytes;
};

// Why an output was refused or not written, with the output's path.
struct Refusal {
    std::string path;
    std::string reason;
};

inline constexpr const char* kIsBeingRead =
    QT_TRANSLATE_NOOP("Core", "It is one of the games being read; choose another name.");
inline constexpr const char* kSameOutputs =
    QT_TRANSLATE_NOOP("Core", "Two outputs name the same file.");
inline constexpr const char* kHoldsAGame =
    QT_TRANSLATE_NOOP("Core", "It holds a game; choose another name.");

// Nothing when every output may be written: none is the same file as one of `reads` (the
// games the run or the window has open or reads), no two are the same file, and none exists
// and opens as a game file. Otherwise the first refusal.
std::optional<Refusal> checkOutputs(const std::vector<Output>& outputs,
                                    const std::vector<std::string>& reads);

// Checks the outputs as above, then writes them in order. On a refusal nothing is written; on
// a failure to write, the outputs before it stay written. Nothing on success.
std::optional<Refusal> writeOutputs(const std::vector<Output>& outputs,
                                    const std::vector<std::string>& reads);

// A file the live page publishes (game.json, index.html): replaced whole by rename, so that a
// web server never serves half of it, but not waited for on the disk. The game's own safety is
// its recovery copy. The system's reason on failure.
std::optional<std::string> publishFile(const std::string& path, std::string_view bytes);

// The game's own save (File|Save, Ctrl+S): whatever is at `path` is replaced, a game file
// first of all. The system's reason on failure.
std::optional<std::string> saveGameFile(const std::string& path, const std::string& bytes);

} // namespace tallivant
