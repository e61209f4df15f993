// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/encoding.h"

#include <array>
#include <cstdint>

namespace tallivant {
namespace {

// Windows-1252 0x80..0x9F, eight to a row; 0 marks the five undefined bytes. 0xA0..0xFF equal
// U+00A0..U+00FF.
// clang-format off
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
// clang-format on

// Length of the well-formed UTF-8 sequence at bytes[pos] and its code point; length 0 when
// the bytes there are not one.
struct Decoded {
    std::size_t length = 0;
    char32_t cp = 0;
};

Decoded decodeAt(std::string_view bytes, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return {1, lead};
    std::size_t length;
    char32_t cp, min;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() - pos < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
    return {length, cp};
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<unsigned char> cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i)
        if (kHighBlock[i] != 0 && kHighBlock[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeAt(bytes, pos);
        if (d.length == 0) return false;
        pos += d.length;
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t cp = b;
        if (b >= 0x80 && b <= 0x9F && kHighBlock[b - 0x80] != 0) cp = kHighBlock[b - 0x80];
        appendUtf8(out, cp);
    }
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Decoded d = decodeAt(utf8, pos);
        if (d.length == 0) return std::nullopt;
        const auto b = cp1252Byte(d.cp);
        if (!b) return std::nullopt;
        out += static_cast<char>(*b);
        pos += d.length;
    }
    return out;
}

std::string repairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeAt(bytes, pos);
        if (d.length == 0) {
            appendUtf8(out, 0xFFFD);
            ++pos;
        } else {
            out.append(bytes.substr(pos, d.length));
            pos += d.length;
        }
    }
    return out;
}

std::string leftChars(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < utf8.size(); ++n) {
        const Decoded d = decodeAt(utf8, pos);
        pos += d.length == 0 ? 1 : d.length;
    }
    return std::string(utf8.substr(0, pos));
}

std::string percentEscaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '%' && c != '"') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

std::string percentUnescaped(std::string_view text) {
    std::string out;
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && digit(text[i + 1]) >= 0 &&
            digit(text[i + 2]) >= 0) {
            out += static_cast<char>(digit(text[i + 1]) * 16 + digit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace tallivant
