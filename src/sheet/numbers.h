// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers as the sheet holds them: text read leniently or strictly, counts written back as
// plain decimal text, and the percentage text of a made/attempted pair. No locale is read here:
// "." is always the decimal point on input, and the caller passes the percent text's separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallivant {

// The number at the start of the text (blanks skipped); 0 when there is none.
double readLenient(std::string_view text);

// The whole text (blanks around it allowed) must be one number; nothing otherwise.
std::optional<double> readStrict(std::string_view text);

// Plain decimal text with at most 15 significant digits and no leading blank: "0", "12", "-1".
std::string formatCount(double value);

// The quotient shown as a percentage with two decimals: the quotient is first cut to its
// 15-significant-digit decimal text, and that decimal value is rounded half away from zero.
std::string formatPercent(double quotient, std::string_view decimalSeparator = ".");

// The percentage of a line from its made and attempted counts. No attempts give 0.00%, and so do
// fewer than none, unless divideNegative (a takeback divides by them).
std::string percentText(double made, double attempted, std::string_view decimalSeparator = ".",
                        bool divideNegative = false);

// A blank, as the sheet's numbers and the game file's values skip it: a space or a tab.
inline constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace tallivant
