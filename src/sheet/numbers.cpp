// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tallivant {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest number at the start of s: [+-]digits[.digits][e[+-]digits], with at
// least one mantissa digit. 0 when s does not start with a number.
size_t numberPrefix(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

std::optional<double> convert(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string_view skipBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

double readLenient(std::string_view text) {
    std::string_view s = skipBlanks(text);
    return convert(s.substr(0, numberPrefix(s))).value_or(0.0);
}

std::optional<double> readStrict(std::string_view text) {
    std::string_view s = skipBlanks(text);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    if (s.empty() || numberPrefix(s) != s.size()) return std::nullopt;
    return convert(s);
}

std::string formatCount(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    (void)ec; // 64 characters always hold 15 digits, a sign and an exponent
    return std::string(buf, end);
}

std::string formatPercent(double quotient, std::string_view decimalSeparator) {
    if (!std::isfinite(quotient)) quotient = 0;
    // Fifteen significant digits d.dddddddddddddde±x: the decimal value the rounding works on.
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(quotient),
                                   std::chars_format::scientific, 14);
    (void)ec;
    std::string_view sci(buf, end - buf);
    const size_t e = sci.find('e');
    std::string digits(sci.substr(0, 1));
    digits.append(sci.substr(2, e - 2));
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());

    // quotient = digits * 10^(exponent-14); in hundredths of a percent that is
    // digits * 10^(exponent-10).
    const int shift = exponent - 10;
    std::string hundredths;
    if (shift >= 0) {
        hundredths = digits + std::string(shift, '0');
    } else {
        const int drop = -shift;
        const int keep = static_cast<int>(digits.size()) - drop;
        hundredths = keep > 0 ? digits.substr(0, keep) : "0";
        const char next = keep >= 0 && keep < static_cast<int>(digits.size()) ? digits[keep] : '0';
        if (next >= '5') increment(hundredths);
    }
    const size_t firstNonZero = hundredths.find_first_not_of('0');
    hundredths = firstNonZero == std::string::npos ? "0" : hundredths.substr(firstNonZero);
    const bool negative = quotient < 0 && hundredths != "0";
    if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), '0');

    std::string out = negative ? "-" : "";
    out += hundredths.substr(0, hundredths.size() - 2);
    out += decimalSeparator;
    out += hundredths.substr(hundredths.size() - 2);
    out += '%';
    return out;
}

std::string percentText(double made, double attempted, std::string_view decimalSeparator,
                        bool divideNegative) {
    const bool divide = divideNegative ? attempted != 0 : attempted > 0;
    return formatPercent(divide ? made / attempted : 0.0, decimalSeparator);
}

} // namespace tallivant
