// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/rules.h"

namespace tallivant {
namespace {

struct Preset {
    RulesPreset preset;
    std::string_view name;
    Rules rules;
};

// Where each number comes from is in README's section on the rules.
const std::array<Preset, kRulesPresets> kPresets = {{
    {RulesPreset::Fiba,
     "FIBA",
     {RulesPreset::Fiba, 5, true, true, 2, 0, 5, false, OvertimeFouls::WithLastPeriod, 5}},
    {RulesPreset::Nba,
     "NBA",
     {RulesPreset::Nba, 6, false, false, 2, 0, 5, false, OvertimeFouls::OwnPeriod, 4}},
    {RulesPreset::NcaaMen,
     "NCAA men",
     {RulesPreset::NcaaMen, 5, true, true, 2, 7, 10, true, OvertimeFouls::WithLastPeriod, 10}},
    {RulesPreset::NcaaWomen,
     "NCAA women",
     {RulesPreset::NcaaWomen, 5, true, true, 2, 0, 5, false, OvertimeFouls::KeepsPenalty, 5}},
    {RulesPreset::Nfhs,
     "US high school",
     {RulesPreset::Nfhs, 5, true, true, 2, 0, 5, false, OvertimeFouls::WithLastPeriod, 5}},
    {RulesPreset::Custom,
     "Custom",
     {RulesPreset::Custom, 5, true, true, 2, 0, 5, false, OvertimeFouls::WithLastPeriod, 5}},
}};

const Preset& presetRow(RulesPreset preset) {
    const auto i = static_cast<std::size_t>(preset);
    return i < kPresets.size() ? kPresets[i] : kPresets.back();
}

FreeThrows shotsAt(int nextFoul, int oneAndOneFrom, int twoShotsFrom) {
    if (nextFoul >= twoShotsFrom) return FreeThrows::Two;
    if (oneAndOneFrom > 0 && nextFoul >= oneAndOneFrom) return FreeThrows::OneAndOne;
    return FreeThrows::None;
}

} // namespace

std::string_view rulesName(RulesPreset preset) {
    return presetRow(preset).name;
}

Rules presetRules(RulesPreset preset) {
    return presetRow(preset).rules;
}

bool holdsPresetNumbers(const Rules& rules) {
    return rules.preset == RulesPreset::Custom || rules == presetRules(rules.preset);
}

bool rulesValid(const Rules& r) {
    const auto count = [](int n) { return n >= 1 && n <= 99; };
    const int overtime = static_cast<int>(r.overtime);
    return count(r.foulOut) && count(r.technicalsEject) && count(r.twoShotsFrom) &&
           count(r.overtimeTwoShotsFrom) && r.oneAndOneFrom >= 0 &&
           r.oneAndOneFrom < r.twoShotsFrom && overtime >= 0 && overtime <= 2;
}

std::string periodName(Quarter quarter, const Rules& rules) {
    static constexpr std::array<std::string_view, kQuarters> kNames = {"1st", "2nd", "3rd", "4th",
                                                                       "OT"};
    const auto i = static_cast<std::size_t>(quarter);
    if (i >= kNames.size()) return {};
    if (rules.halves && i < 2) return std::string(kNames[i]) + " half";
    return std::string(kNames[i]);
}

std::string periodShort(Quarter quarter, const Rules& rules) {
    const int i = static_cast<int>(quarter);
    if (quarter == Quarter::Overtime) return "OT";
    return (rules.halves && i < 2 ? "H" : "Q") + std::to_string(i + 1);
}

TeamFouls teamFouls(const std::array<int, kQuarters>& fouls, Quarter quarter, const Rules& rules) {
    const int q = static_cast<int>(quarter);
    if (q < 0 || q >= kQuarters) return {};
    const int ot = static_cast<int>(Quarter::Overtime);
    const int last = rules.halves ? 1 : 3;
    TeamFouls out;
    if (quarter != Quarter::Overtime) {
        out.count = fouls[q];
        out.next = shotsAt(out.count + 1, rules.oneAndOneFrom, rules.twoShotsFrom);
        return out;
    }
    switch (rules.overtime) {
    case OvertimeFouls::WithLastPeriod:
        out.count = fouls[last] + fouls[ot];
        out.next = shotsAt(out.count + 1, rules.oneAndOneFrom, rules.twoShotsFrom);
        break;
    case OvertimeFouls::OwnPeriod:
        out.count = fouls[ot];
        out.next = shotsAt(out.count + 1, 0, rules.overtimeTwoShotsFrom);
        break;
    case OvertimeFouls::KeepsPenalty:
        out.count = fouls[ot];
        // In the penalty: its next foul in the last period would have given two shots.
        out.next = fouls[last] + 1 >= rules.twoShotsFrom
                       ? FreeThrows::Two
                       : shotsAt(out.count + 1, rules.oneAndOneFrom, rules.twoShotsFrom);
        break;
    }
    return out;
}

bool isFouledOut(int personal, int technical, const Rules& rules) {
    const int fouls = personal + (rules.technicalsToFoulOut ? technical : 0);
    return fouls >= rules.foulOut || technical >= rules.technicalsEject;
}

std::string foulOutReason(int personal, int technical, const Rules& rules) {
    const int fouls = personal + (rules.technicalsToFoulOut ? technical : 0);
    if (fouls < rules.foulOut && technical >= rules.technicalsEject)
        return std::to_string(rules.technicalsEject) + " technical fouls";
    return std::string(rulesName(rules.preset)) + ": " + std::to_string(rules.foulOut) + " fouls";
}

} // namespace tallivant
