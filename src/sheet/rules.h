// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules a game is kept under: when a player fouls out, which team fouls make the other
// side shoot, and when team fouls start again. A table of the rule books' presets, and what
// they say about a game as it stands (the quarter that is on, each side's team fouls).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/columns.h"
#include "sheet/translatable.h"

namespace tallivant {

enum class RulesPreset : int { Fiba, Nba, NcaaMen, NcaaWomen, Nfhs, Custom };
inline constexpr int kRulesPresets = 6;

// How the overtime line's team fouls count.
enum class OvertimeFouls : int {
    WithLastPeriod, // as part of the 4th quarter (or the 2nd half)
    OwnPeriod,      // on their own, with their own threshold
    KeepsPenalty,   // on their own; a side in the penalty at the end of the last period stays in it
};

struct Rules {
    RulesPreset preset = RulesPreset::Fiba;
    int foulOut = 5;                   // fouls that put a player out
    bool technicalsToFoulOut = true;   // technical fouls count toward foulOut
    bool technicalsToTeamFouls = true; // a player's technical foul is a team foul
    int technicalsEject = 2;           // technical fouls that put a player out on their own
    int oneAndOneFrom = 0;             // the team foul from which the other side shoots
                                       // one-and-one; 0 for none
    int twoShotsFrom = 5;              // the team foul from which it shoots two
    bool halves = false;               // the 1st and 2nd quarter lines are the two halves
    OvertimeFouls overtime = OvertimeFouls::WithLastPeriod;
    int overtimeTwoShotsFrom = 5; // with OwnPeriod: the threshold of the overtime period
    friend bool operator==(const Rules&, const Rules&) = default;
};

// "FIBA", "NBA", "NCAA men", "NCAA women", "US high school", "Custom": English, as files hold it;
// a window shows it translated ("Core").
std::string_view rulesName(RulesPreset preset);
// The preset's numbers; Custom starts from FIBA's.
Rules presetRules(RulesPreset preset);
// Whether the rules hold their preset's numbers (always, for Custom).
bool holdsPresetNumbers(const Rules& rules);
// The numbers make sense: every count from 1 to 99, thresholds in order.
bool rulesValid(const Rules& rules);

// A quarter line as the rules call it: "1st", "OT"; with halves "1st half", "2nd half". English,
// and each a marked text ("Core") that a window shows translated.
std::string periodName(Quarter quarter, const Rules& rules);
// The short form for the strip: "Q3", "OT", "H1"; marked as periodName.
std::string periodShort(Quarter quarter, const Rules& rules);

// What the next team foul of a side brings the other side.
enum class FreeThrows { None, OneAndOne, Two };

// A side's team fouls in the period that the quarter line belongs to, from its fouls by quarter
// line, and what its next foul gives the other side.
struct TeamFouls {
    int count = 0;
    FreeThrows next = FreeThrows::None;
};
TeamFouls teamFouls(const std::array<int, kQuarters>& fouls, Quarter quarter, const Rules& rules);

// A player's fouls against the rules: out at foulOut (technicals counting where they count) or
// at technicalsEject technicals.
bool isFouledOut(int personal, int technical, const Rules& rules);
// "FIBA: 5 fouls", "NBA: 6 fouls", "Custom: 5 fouls", or "2 technical fouls" for an ejection; in
// English, or in the language `translate` gives.
std::string foulOutReason(int personal, int technical, const Rules& rules,
                          const Translate& translate = {});

} // namespace tallivant
