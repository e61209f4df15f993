// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game file read from the disk as File|Open reads it.
#pragma once

#include <string>
#include <variant>

#include "formats/saved_game.h"
#include "sheet/translatable.h"

namespace tallivant {

// The game in the file at `path` as File|Open reads it, or why it is not one in the words the
// scorer is told: the system's ("No such file or directory"), kNotAFileReason or reasonText's.
inline constexpr const char* kNotAFileReason =
    QT_TRANSLATE_NOOP("Core", "It is not a file but a device or a pipe.");
std::variant<SavedGame, std::string> loadGameFile(const std::string& path,
                                                  Reading reading = Reading::Whole);

} // namespace tallivant
