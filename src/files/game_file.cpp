// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/game_file.h"

#include "files/encoding.h"
#include "sheet/game.h"

namespace tallivant {
namespace {

constexpr std::array<std::string_view, kQuarters + 1> kLineLabels = {
    "First Quarter",  "Second Quarter",  "Third Quarter",
    "Fourth Quarter", "Overtime totals", "Game totals",
};

void appendValue(std::string& out, std::string_view value) {
    out += '"';
    for (const char c : value) {
        if (c == '"')
            out += '\'';
        else if (c != '\0')
            out += c;
    }
    out += '"';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool endsValue(char c) {
    return c == ',' || isLineEnd(c);
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

} // namespace

GameContents contentsOf(const Game& game) {
    GameContents c;
    for (int p = 1; p <= kPlayers; ++p)
        c.names[p - 1] = game.name(p);
    for (int id = 0; id < kFields; ++id)
        c.fields[id] = game.text(Field::fromId(id));
    return c;
}

std::string gameFileText(const GameContents& contents) {
    std::string out;
    out.reserve(4096);
    auto record = [&](std::string_view first, int line) {
        appendValue(out, first);
        for (int col = 0; col < kColumns; ++col) {
            out += ',';
            appendValue(out, line < 0 ? kColumnTable[col].header
                                      : contents.fields[Field{line, col}.id()]);
        }
        out += "\r\n";
    };
    record("Name", -1);
    for (int p = 0; p < kPlayers; ++p)
        record(contents.names[p], playerLine(p));
    for (int i = 0; i <= kQuarters; ++i)
        record(kLineLabels[i], kPlayers + i);
    return out;
}

std::string encodeGameFile(const GameContents& contents) {
    std::string text = repairUtf8(gameFileText(contents));
    if (auto cp1252 = utf8ToCp1252(text); cp1252 && (isAscii(*cp1252) || !isValidUtf8(*cp1252)))
        return std::move(*cp1252);
    return text;
}

std::string decodeGameFile(std::string_view bytes) {
    if (!isValidUtf8(bytes)) return cp1252ToUtf8(bytes);
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(bom)) bytes.remove_prefix(bom.size());
    return std::string(bytes);
}

std::vector<std::string> splitValues(std::string_view text, std::size_t limit) {
    std::vector<std::string> values;
    std::size_t pos = 0;
    const std::size_t n = text.size();
    bool afterComma = false; // a comma has opened a value on this line
    while (values.size() < limit) {
        while (pos < n && isBlank(text[pos]))
            ++pos;
        // Even after a comma: a file that ends there was cut short, not given an empty value.
        if (pos == n) break;
        if (isLineEnd(text[pos]) && !afterComma) {
            // A blank line, or the second half of a doubled line end, must not shift values.
            pos += text.substr(pos, 2) == "\r\n" ? 2 : 1;
            continue;
        }
        std::string value;
        if (text[pos] == '"') {
            const std::size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos) break;
            value.assign(text.substr(pos + 1, close - pos - 1));
            pos = close + 1;
        }
        const std::size_t start = pos;
        while (pos < n && !endsValue(text[pos]))
            ++pos;
        value += trimRight(text.substr(start, pos - start));
        values.push_back(std::move(value));

        afterComma = pos < n && text[pos] == ',';
        if (pos < n) pos += text.substr(pos, 2) == "\r\n" ? 2 : 1;
    }
    return values;
}

std::optional<GameContents> parseGameFile(std::string_view bytes) {
    if (bytes.size() > kMaxGameFileBytes) return std::nullopt;
    if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
    const std::vector<std::string> values = splitValues(decodeGameFile(bytes), kFileValues);
    if (values.size() < static_cast<std::size_t>(kFileValues)) return std::nullopt;

    GameContents c;
    for (int line = 0; line < kLines; ++line) {
        const std::size_t first = static_cast<std::size_t>(line + 1) * kRecordValues;
        if (line < kPlayers) c.names[line] = values[first];
        for (int col = 0; col < kColumns; ++col)
            c.fields[Field{line, col}.id()] = values[first + 1 + col];
    }
    return c;
}

} // namespace tallivant
