// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes of a recovery copy: the game file's records, then the copy's own (the file the
// window showed, the selection and takeback memory, the boxes beside the sheet) and a trailer
// that tells a whole version from a torn one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/saved_game.h"
#include "store/recovery.h"

namespace tallivant {

// The game itself is at most what a game file may be; the records after it add a path.
inline constexpr std::size_t kMaxRecoveryBytes = kMaxSavedGameBytes + 64 * 1024;

// Nothing for a game that Save would refuse (fitsSavedGame).
std::optional<std::string> recoveryBytes(const KeptGame& kept, PlaysText& plays);
// The bytes of a version before its trailer, when they are whole; nothing for a broken one.
std::optional<std::string_view> wholeBytes(std::string_view bytes);
// The records after the game (splitRecords), the saved game's and the copy's own, read into
// both; a record of a kind neither knows is passed over.
void readRecords(const std::vector<std::vector<std::string>>& records, SavedGame& saved,
                 KeptGame& kept);

} // namespace tallivant
