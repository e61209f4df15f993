// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/plays.h"

#include <array>

namespace tallivant {

std::string_view statWords(char letter) {
    struct Words {
        char letter;
        std::string_view words;
    };
    static constexpr std::array<Words, 13> kWords = {{
        {'c', "Field goal made"},
        {'v', "Field goal missed"},
        {'d', "Free throw made"},
        {'f', "Free throw missed"},
        {'e', "Three-pointer made"},
        {'r', "Three-pointer missed"},
        {'h', "Rebound"},
        {'u', "Assist"},
        {'n', "Turnover"},
        {'o', "Steal"},
        {'k', "Block"},
        {'m', "Personal foul"},
        {'t', "Technical foul"},
    }};
    for (const Words& w : kWords)
        if (w.letter == letter) return w.words;
    return {};
}

std::string_view quarterName(Quarter quarter) {
    static constexpr std::array<std::string_view, kQuarters> kNames = {"1st", "2nd", "3rd", "4th",
                                                                       "OT"};
    const auto i = static_cast<std::size_t>(quarter);
    return i < kNames.size() ? kNames[i] : std::string_view();
}

std::string withoutAmpersands(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '&') {
            out += name[i];
        } else if (i + 1 < name.size() && name[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

std::string shownName(const std::string& name, int player) {
    std::string out = withoutAmpersands(name);
    return out.empty() ? "#" + std::to_string(player) : out;
}

std::string playNote(const Play& play, const std::array<std::string, kPlayers>& names) {
    std::string note;
    const auto add = [&note](const std::string& part) {
        note += note.empty() ? part : ", " + part;
    };
    if (!play.counted) add("taken back");
    if (play.fromPlayer >= 1 && play.fromPlayer <= kPlayers)
        add("from " + shownName(names[play.fromPlayer - 1], play.fromPlayer));
    if (play.fromQuarter) add("from " + std::string(quarterName(*play.fromQuarter)));
    return note;
}

} // namespace tallivant
