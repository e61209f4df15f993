// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What must hold for any bytes handed to the game file reader: no crash, a refusal of files
// that are too big or hold a NUL, well-formed UTF-8 out, and a game that comes back the same
// when it is written and read again. Shared by the fuzzer and the corpus test.
#pragma once

#include <string>
#include <string_view>

#include "files/encoding.h"
#include "files/game_file.h"

namespace tallivant::testing {

// An empty text when every rule holds; otherwise what went wrong.
inline std::string readerProblem(std::string_view bytes) {
    const auto values = splitValues(decodeGameFile(bytes), kFileValues);
    if (values.size() > static_cast<std::size_t>(kFileValues)) return "more values than asked";

    const auto game = parseGameFile(bytes);
    if (!game) return {};
    if (bytes.size() > kMaxGameFileBytes) return "accepted a file over the size limit";
    if (bytes.find('\0') != std::string_view::npos) return "accepted a file holding a NUL";
    if (values.size() < static_cast<std::size_t>(kFileValues)) return "accepted too few values";

    // The writer turns a double quote into ' ; apart from that the game must come back as read.
    GameContents expected = *game;
    auto unquote = [](std::string& s) {
        for (char& c : s)
            if (c == '"') c = '\'';
    };
    for (std::string& s : expected.names) {
        if (!isValidUtf8(s)) return "a name is not UTF-8";
        unquote(s);
    }
    for (std::string& s : expected.fields) {
        if (!isValidUtf8(s)) return "a field is not UTF-8";
        unquote(s);
    }
    const auto again = parseGameFile(encodeGameFile(*game));
    if (!again) return "a written game does not read again";
    if (!(*again == expected)) return "a written game reads back differently";
    return {};
}

} // namespace tallivant::testing
