// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game file read from the disk as File|Open reads it.
#pragma once

#include <string>
#include <variant>

#include "formats/saved_game.h"

namespace tallivant {

// The game in the file at `path` as File|Open reads it, or why it is not one in the words the
// scorer is told: the system's ("No such file or directory") or reasonText's.
std::variant<SavedGame, std::string> loadGameFile(const std::string& path,
                                                  Reading reading = Reading::Whole);

} // namespace tallivant
