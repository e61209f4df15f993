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
     QT_TRANSLATE_NOOP("Core", "NCAA men"),
     {RulesPreset::NcaaMen, 5, true, true, 2, 7, 10, true, OvertimeFouls::WithLastPeriod, 10}},
    {RulesPreset::NcaaWomen,
     QT_TRANSLATE_NOOP("Core", "NCAA women"),
     {RulesPreset::NcaaWomen, 5, true, true, 2, 0, 5, false, OvertimeFouls::KeepsPenalty, 5}},
    {RulesPreset::Nfhs,
     QT_TRANSLATE_NOOP("Core", "US high school"),
     {RulesPreset::Nfhs, 5, true, true, 2, 0, 5, false, OvertimeFouls::WithLastPeriod, 5}},
    {RulesPreset::Custom,
     QT_TRANSLATE_NOOP("Core", "Custom"),
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
    static constexpr std::array<std::string_view, kQuarters> kNames = {
        QT_TRANSLATE_NOOP("Core", "1st"), QT_TRANSLATE_NOOP("Core", "2nd"),
        QT_TRANSLATE_NOOP("Core", "3rd"), QT_TRANSLATE_NOOP("Core", "4th"),
        QT_TRANSLATE_NOOP("Core", "OT")};
    static constexpr std::array<std::string_view, 2> kHalves = {
        QT_TRANSLATE_NOOP("Core", "1st half"), QT_TRANSLATE_NOOP("Core", "2nd half")};
    const auto i = static_cast<std::size_t>(quarter);
    if (i >= kNames.size()) return {};
    return std::string(rules.halves && i < kHalves.size() ? kHalves[i] : kNames[i]);
}

std::string periodShort(Quarter quarter, const Rules& rules) {
    static constexpr std::array<std::string_view, kQuarters> kShort = {
        QT_TRANSLATE_NOOP("Core", "Q1"), QT_TRANSLATE_NOOP("Core", "Q2"),
        QT_TRANSLATE_NOOP("Core", "Q3"), QT_TRANSLATE_NOOP("Core", "Q4"),
        QT_TRANSLATE_NOOP("Core", "OT")};
    static constexpr std::array<std::string_view, 2> kHalves = {QT_TRANSLATE_NOOP("Core", "H1"),
                                                                QT_TRANSLATE_NOOP("Core", "H2")};
    const int i = static_cast<int>(quarter);
    if (i < 0 || i >= kQuarters) return (rules.halves && i < 2 ? "H" : "Q") + std::to_string(i + 1);
    return std::string(rules.halves && i < 2 ? kHalves[i] : kShort[i]);
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

std::string foulOutReason(int personal, int technical, const Rules& rules,
                          const Translate& translate) {
    const int fouls = personal + (rules.technicalsToFoulOut ? technical : 0);
    if (fouls < rules.foulOut && technical >= rules.technicalsEject)
        //: why a player is out: %1 is the number of technical fouls that eject
        return filledIn(translatedBy(translate, QT_TRANSLATE_NOOP("Core", "%1 technical fouls")),
                        {std::to_string(rules.technicalsEject)});
    //: %1 is the rules' name ("FIBA"), %2 the number of fouls that put a player out
    return filledIn(
        translatedBy(translate, QT_TRANSLATE_NOOP("Core", "%1: %2 fouls")),
        {translatedBy(translate, rulesName(rules.preset)), std::to_string(rules.foulOut)});
}

} // namespace tallivant
