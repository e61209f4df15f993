// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What must hold for any bytes handed to the game file reader, of any length: no crash, a
// refusal only for a stated reason (too big, a NUL, too few values, no header, or a game whose
// saved form would be too big), well-formed UTF-8 out, and a game that is written within the
// size limit and comes back the same when read again. Shared by the fuzzer and the corpus test.
#pragma once

#include <string>
#include <string_view>

#include "formats/encoding.h"
#include "formats/game_file.h"

namespace tallivant::testing {

// An empty text when every rule holds; otherwise what went wrong.
inline std::string readerProblem(std::string_view bytes) {
    const auto values = splitValues(decodeGameFile(bytes), kFileValues);
    if (values.size() > static_cast<std::size_t>(kFileValues)) return "more values than asked";

    const bool tooBig = bytes.size() > kMaxGameFileBytes;
    const bool nul = bytes.find('\0') != std::string_view::npos;
    const bool tooFew = values.size() < static_cast<std::size_t>(kFileValues);
    const auto game = parseGameFile(bytes);
    if (!game) {
        if (tooBig || nul || tooFew || !isGameFileHeader(values[0])) return {};
        // The one refusal left: the game the values make would be saved over the limit.
        GameContents read;
        for (int line = 0; line < kLines; ++line) {
            const std::size_t first = static_cast<std::size_t>(line + 1) * kRecordValues;
            if (line < kPlayers) read.names[line] = values[first];
            for (int col = 0; col < kColumns; ++col)
                read.fields[Field{line, col}.id()] = values[first + 1 + col];
        }
        if (encodeGameFile(read).size() <= kMaxGameFileBytes) return "refused a complete game";
        return {};
    }
    if (tooBig) return "accepted a file over the size limit";
    if (nul) return "accepted a file holding a NUL";
    if (tooFew) return "accepted too few values";

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
    const std::string written = encodeGameFile(*game);
    if (written.size() > kMaxGameFileBytes) return "a game is saved over the size limit";
    const auto again = parseGameFile(written);
    if (!again) return "a written game does not read again";
    if (!(*again == expected)) return "a written game reads back differently";
    return {};
}

} // namespace tallivant::testing
