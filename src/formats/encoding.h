// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text encodings of game files: Windows-1252 (the code page game files made on Windows use)
// and UTF-8 (everything inside the program), with the checks that choose between them, and
// cutting a UTF-8 text to a number of characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallivant {

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view bytes);

// Each byte as its Windows-1252 character, in UTF-8. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number,
// as Windows itself maps them, so no byte is lost.
std::string cp1252ToUtf8(std::string_view bytes);

// The UTF-8 text in Windows-1252, or nothing when a character has no place in that code page
// (or the text is not well-formed UTF-8).
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// The text with every byte that is not part of a well-formed UTF-8 sequence replaced by
// U+FFFD, so that it can be written as UTF-8.
std::string repairUtf8(std::string_view bytes);

// The first `count` characters (code points) of a UTF-8 text; a stray byte counts as one.
std::string leftChars(std::string_view utf8, std::size_t count);

// Text as printable ASCII: every byte outside it, "%" and the double quote written as %XX, so
// that a record holding it stays ASCII and one value; and back.
std::string percentEscaped(std::string_view text);
std::string percentUnescaped(std::string_view text);

} // namespace tallivant
