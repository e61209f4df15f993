// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/load_game.h"

#include "system/disk.h"

namespace tallivant {

std::variant<SavedGame, std::string> loadGameFile(const std::string& path, Reading reading) {
    auto bytes = readWholeFile(path, kMaxSavedGameBytes);
    if (const auto* failure = std::get_if<ReadFailure>(&bytes)) {
        if (failure->kind == ReadFailure::TooLarge)
            return reasonText(NotAGameFile{NotAGameFile::TooLarge, 0, kMaxSavedGameBytes});
        if (failure->kind == ReadFailure::NotRegular) return std::string(kNotAFileReason);
        return failure->reason;
    }
    auto game = readSavedGame(std::get<std::string>(bytes), reading);
    if (const auto* notGame = std::get_if<NotAGameFile>(&game)) return reasonText(*notGame);
    return std::move(std::get<SavedGame>(game));
}

} // namespace tallivant
