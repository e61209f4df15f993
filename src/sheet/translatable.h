// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts a person reads, handed out by the core in English and marked for Qt's translation tools
// (lupdate reads the mark from the source) without the core linking Qt: the windows, the command
// line and the report translate them where they show them, in the context "Core". What files
// hold never goes through translation. A text with data in it is a template with %1, %2 that the
// core fills in English for files, and the showing layer fills after translating.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace tallivant {

// %1 .. %9 of a template filled in one pass from `args` (any container of texts), so that a
// name holding "%2" stays as it is; a marker without its argument stays as it is.
template <typename Args> std::string filledFrom(std::string_view text, const Args& args) {
    std::string out;
    out.reserve(text.size());
    const std::size_t count = std::size(args);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = next >= '1' && next <= '9' ? std::size_t(next - '1') : count;
        if (text[i] == '%' && n < count) {
            out += *(std::begin(args) + static_cast<std::ptrdiff_t>(n));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

inline std::string filledIn(std::string_view text, std::initializer_list<std::string_view> args) {
    return filledFrom(text, args);
}

// A marked text in the scorer's language, for a core part that shows texts itself (the game's
// message boxes); without one, English.
using Translate = std::function<std::string(std::string_view)>;
inline std::string translatedBy(const Translate& translate, std::string_view english) {
    return translate ? translate(english) : std::string(english);
}

} // namespace tallivant
