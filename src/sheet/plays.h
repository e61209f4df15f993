// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The plays of a game: every stat recorded, in order, with when, in which quarter and for whom
// it was recorded, and what has been corrected since. The game keeps the list beside its sheet
// (game.h); the sheet always equals what the counted plays add, for the plays a game records.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/columns.h"
#include "sheet/translatable.h"

namespace tallivant {

struct Play {
    int number = 0;                   // 1, 2, … in the order recorded
    std::string time;                 // the time of day it was recorded, "hh:mm:ss"
    Quarter quarter = Quarter::First; // the quarter whose line holds it now
    int player = 0;                   // 1 to 12: whose line holds it now
    char letter = 0;     // the stat's letter ('c' field goal made, … 't' technical foul)
    bool counted = true; // false once taken back or removed
    int fromPlayer = 0;  // the player it was recorded for, once given to another; else 0
    std::optional<Quarter> fromQuarter; // the quarter it was recorded in, once moved; else none
    friend bool operator==(const Play&, const Play&) = default;
};

using Plays = std::vector<Play>;

// The words a play is shown and exported in: English in files, and each a text marked for
// translation ("Core") that a window shows translated.
// The stat in words: "Field goal made", … "Technical foul"; empty for a letter that is no stat.
std::string_view statWords(char letter);
// "1st", "2nd", "3rd", "4th", "OT".
std::string_view quarterName(Quarter quarter);
// A name as its button shows it, without the Alt-letter's mark: every single "&" dropped, a
// doubled one shown as one.
std::string withoutAmpersands(std::string_view name);
// The player as the name button shows the name (withoutAmpersands), "#N" for an empty name.
std::string shownName(const std::string& name, int player);

// One part of a play's note: a marked text ("taken back", "from %1") and what fills its %1, a
// name as it is or, with fillFromCore, a quarter's name (quarterName) to be shown translated.
struct NotePart {
    std::string_view text;
    std::string fill;
    bool fillFromCore = false;
};
using NoteParts = std::vector<NotePart>;
// Two parts of a note, one after the other: "taken back, from 2nd".
//: a play's note: %1 its first parts, %2 the next ("taken back, from 2nd")
inline constexpr const char* kNoteJoin = QT_TRANSLATE_NOOP("Core", "%1, %2");
// The note's parts in English, joined.
std::string noteText(const NoteParts& parts);
// "taken back", "from <name>", "from <quarter>" (both, given and moved), in that order, or
// none; `names` are the roster's twelve names as typed.
NoteParts playNoteParts(const Play& play, const std::array<std::string, kPlayers>& names);
// The parts joined in English, as files hold them.
std::string playNote(const Play& play, const std::array<std::string, kPlayers>& names);

} // namespace tallivant
