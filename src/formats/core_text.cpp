// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/core_text.h"

namespace tallivant {

namespace {

// The number of the marker at `at` ("%1" gives 1), or 0 when there is none.
int markerAt(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size() || text[at] != '%') return 0;
    const char digit = text[at + 1];
    return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

} // namespace

std::string filledEnglish(std::string_view text, const std::vector<std::string>& values) {
    return filledFrom(text, values);
}

std::optional<std::vector<std::string>> valuesIn(std::string_view text, std::string_view filled) {
    // The template as literal pieces between its markers, and the markers' numbers.
    std::vector<std::string_view> pieces;
    std::vector<int> markers;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at)
        if (const int n = markerAt(text, at)) {
            pieces.push_back(text.substr(start, at - start));
            markers.push_back(n);
            start = ++at + 1;
        }
    pieces.push_back(text.substr(start));

    if (!filled.starts_with(pieces.front())) return std::nullopt;
    std::size_t at = pieces.front().size();
    std::vector<std::string> values(markers.size());
    for (std::size_t m = 0; m < markers.size(); ++m) {
        const std::string_view next = pieces[m + 1];
        const bool last = m + 1 == markers.size();
        // The last value runs to where the template's end begins; the others to the first
        // place the next piece follows (an empty piece between markers cannot be split).
        std::size_t end = last ? (filled.size() >= next.size() ? filled.size() - next.size()
                                                               : std::string_view::npos)
                               : (next.empty() ? std::string_view::npos : filled.find(next, at));
        if (end == std::string_view::npos || end < at) return std::nullopt;
        const std::size_t n = static_cast<std::size_t>(markers[m]);
        if (n > values.size()) return std::nullopt;
        values[n - 1] = std::string(filled.substr(at, end - at));
        at = end + next.size();
    }
    if (markers.empty() ? filled != text : !filled.ends_with(pieces.back()) || at != filled.size())
        return std::nullopt;
    return values;
}

} // namespace tallivant
