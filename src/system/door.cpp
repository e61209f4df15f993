// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/door.h"

#include <variant>

#include "formats/saved_game.h"
#include "system/disk.h"

namespace tallivant {
namespace {

// Whether the file at `path` opens as a game, as File|Open would open it. Reading only its
// first records would do, but a file that is not a game is small or fails at its first value.
bool holdsAGame(const std::string& path) {
    const auto bytes = readWholeFile(path, kMaxSavedGameBytes);
    const auto* text = std::get_if<std::string>(&bytes);
    return text && std::holds_alternative<SavedGame>(readSavedGame(*text, Reading::GameOnly));
}

} // namespace

std::optional<Refusal> checkOutputs(const std::vector<Output>& outputs,
                                    const std::vector<std::string>& reads) {
    std::vector<FileIdentity> read;
    for (const std::string& path : reads)
        if (auto identity = identityOf(path)) read.push_back(std::move(*identity));
    std::vector<std::optional<FileIdentity>> written;
    for (const Output& output : outputs) {
        const std::optional<FileIdentity> identity = identityOf(output.path);
        if (identity) {
            for (const FileIdentity& other : read)
                if (other == *identity) return Refusal{output.path, kIsBeingRead};
        }
        for (std::size_t i = 0; i < written.size(); ++i) {
            const bool same =
                identity && written[i] ? *written[i] == *identity : outputs[i].path == output.path;
            if (same) return Refusal{output.path, kSameOutputs};
        }
        if (identity && identity->newName.empty() && holdsAGame(output.path))
            return Refusal{output.path, kHoldsAGame};
        written.push_back(identity);
    }
    return std::nullopt;
}

std::optional<Refusal> writeOutputs(const std::vector<Output>& outputs,
                                    const std::vector<std::string>& reads) {
    if (auto refusal = checkOutputs(outputs, reads)) return refusal;
    for (const Output& output : outputs)
        if (auto failure = writeFileSafely(output.path, output.bytes))
            return Refusal{output.path, std::move(*failure)};
    return std::nullopt;
}

std::optional<std::string> publishFile(const std::string& path, std::string_view bytes) {
    return writeFileSafely(path, bytes, false);
}

std::optional<std::string> saveGameFile(const std::string& path, const std::string& bytes) {
    return writeFileSafely(path, bytes);
}

} // namespace tallivant
