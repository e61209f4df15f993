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
        {'c', QT_TRANSLATE_NOOP("Core", "Field goal made")},
        {'v', QT_TRANSLATE_NOOP("Core", "Field goal missed")},
        {'d', QT_TRANSLATE_NOOP("Core", "Free throw made")},
        {'f', QT_TRANSLATE_NOOP("Core", "Free throw missed")},
        {'e', QT_TRANSLATE_NOOP("Core", "Three-pointer made")},
        {'r', QT_TRANSLATE_NOOP("Core", "Three-pointer missed")},
        {'h', QT_TRANSLATE_NOOP("Core", "Rebound")},
        {'u', QT_TRANSLATE_NOOP("Core", "Assist")},
        {'n', QT_TRANSLATE_NOOP("Core", "Turnover")},
        {'o', QT_TRANSLATE_NOOP("Core", "Steal")},
        {'k', QT_TRANSLATE_NOOP("Core", "Block")},
        {'m', QT_TRANSLATE_NOOP("Core", "Personal foul")},
        {'t', QT_TRANSLATE_NOOP("Core", "Technical foul")},
    }};
    for (const Words& w : kWords)
        if (w.letter == letter) return w.words;
    return {};
}

std::string_view quarterName(Quarter quarter) {
    static constexpr std::array<std::string_view, kQuarters> kNames = {
        QT_TRANSLATE_NOOP("Core", "1st"), QT_TRANSLATE_NOOP("Core", "2nd"),
        QT_TRANSLATE_NOOP("Core", "3rd"), QT_TRANSLATE_NOOP("Core", "4th"),
        QT_TRANSLATE_NOOP("Core", "OT")};
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

std::string noteText(const NoteParts& parts) {
    std::string note;
    for (const NotePart& part : parts) {
        const std::string text = filledIn(part.text, {part.fill});
        note = note.empty() ? text : filledIn(kNoteJoin, {note, text});
    }
    return note;
}

NoteParts playNoteParts(const Play& play, const std::array<std::string, kPlayers>& names) {
    NoteParts parts;
    if (!play.counted) parts.push_back({QT_TRANSLATE_NOOP("Core", "taken back"), {}});
    if (play.fromPlayer >= 1 && play.fromPlayer <= kPlayers)
        //: a play given to another player: %1 is the name of the player it was recorded for
        parts.push_back({QT_TRANSLATE_NOOP("Core", "from %1"),
                         shownName(names[play.fromPlayer - 1], play.fromPlayer)});
    if (play.fromQuarter)
        //: a play moved to another quarter: %1 is the quarter it was recorded in ("2nd", "OT")
        parts.push_back({QT_TRANSLATE_NOOP("Core", "from %1"),
                         std::string(quarterName(*play.fromQuarter)), true});
    return parts;
}

std::string playNote(const Play& play, const std::array<std::string, kPlayers>& names) {
    return noteText(playNoteParts(play, names));
}

} // namespace tallivant
