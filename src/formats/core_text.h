// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A text a person reads with data in it, as the core hands it out: a template marked for
// translation ("It holds %1 of the %2 values of a game file.") and the values of its markers,
// so that the layer that shows it fills the translated template. The English fill is the text
// the core has always given, and what the files and the tests see.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/translatable.h"

namespace tallivant {

struct CoreText {
    const char* text = ""; // marked with QT_TRANSLATE_NOOP("Core", ...); %1, %2, ... in order
    std::vector<std::string> values;
};

// The template with %1 ... %9 replaced by values[0] ... values[8] in one pass: a value that
// holds "%2" stays as it is. A marker without a value is kept.
std::string filledEnglish(std::string_view text, const std::vector<std::string>& values);
inline std::string english(const CoreText& text) {
    return filledEnglish(text.text, text.values);
}

// The values that fill `text` to give `filled`, when it is such a fill; nothing otherwise. For
// a reason that reaches the window as English (through the game reader, the season), so that it
// can be shown in the scorer's language. A value runs to the first place where the rest of the
// template follows.
std::optional<std::vector<std::string>> valuesIn(std::string_view text, std::string_view filled);

} // namespace tallivant
