// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/game_file.h"

#include <algorithm>
#include <cctype>

#include "formats/encoding.h"
#include "sheet/game.h"
#include "sheet/numbers.h"

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

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

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
    // A box opened in the middle of a stat: the copy holds the whole stat.
    if (const auto& f = game.unfinished())
        c.fields[f->id()] = formatCount(readLenient(c.fields[f->id()]) + 1);
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
    return encodeGameText(gameFileText(contents));
}

std::string encodeGameText(std::string_view utf8) {
    std::string text = repairUtf8(utf8);
    if (auto cp1252 = utf8ToCp1252(text); cp1252 && (isAscii(*cp1252) || !isValidUtf8(*cp1252)))
        return std::move(*cp1252);
    return text;
}

std::string decodeGameFile(std::string_view bytes) {
    if (!isValidUtf8(bytes)) return cp1252ToUtf8(bytes);
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    return std::string(bytes);
}

std::optional<GameFileText> decodeGameFileText(std::string_view bytes) {
    // Past a byte order mark, which is no part of the first value in UTF-8.
    const std::size_t start = bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    std::size_t end = 0;
    const auto values = splitValues(bytes.substr(start), kFileValues, &end);
    end = values.size() < static_cast<std::size_t>(kFileValues) ? bytes.size() : start + end;
    const std::string_view game = bytes.substr(0, end);
    if (game.find('\0') != std::string_view::npos) return std::nullopt;
    GameFileText out{decodeGameFile(game)};
    const std::string_view rest = bytes.substr(end);
    const auto isStray = [](char c) { return c == '\0' || static_cast<unsigned char>(c) >= 0x80; };
    out.strayAfterGame = std::any_of(rest.begin(), rest.end(), isStray);
    const std::size_t at = out.text.size();
    out.text += rest;
    if (out.strayAfterGame) std::replace_if(out.text.begin() + at, out.text.end(), isStray, '?');
    return out;
}

std::vector<std::string> splitValues(std::string_view text, std::size_t limit, std::size_t* end) {
    std::vector<std::string> values;
    // A value takes at least four bytes of a game file ("0",), five of a play record: room
    // enough at once, rather than the values moved a dozen times over as the vector grows.
    values.reserve(std::min(limit, text.size() / 4 + 1));
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
        std::string_view quoted;
        if (text[pos] == '"') {
            const std::size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos) break;
            quoted = text.substr(pos + 1, close - pos - 1);
            pos = close + 1;
        }
        const std::size_t start = pos;
        while (pos < n && !endsValue(text[pos]))
            ++pos;
        // Built in place, and added to only when text follows the closing quote (rarely): a
        // season reads some three million values.
        std::string& value = values.emplace_back(quoted);
        if (const std::string_view rest = trimRight(text.substr(start, pos - start)); !rest.empty())
            value += rest;

        afterComma = pos < n && text[pos] == ',';
        if (pos < n) pos += text.substr(pos, 2) == "\r\n" ? 2 : 1;
    }
    if (end) *end = pos;
    return values;
}

bool isGameFileHeader(std::string_view firstValue) {
    constexpr std::string_view blanks = " \t";
    const auto begin = firstValue.find_first_not_of(blanks);
    if (begin == std::string_view::npos) return false;
    const std::string_view word =
        firstValue.substr(begin, firstValue.find_last_not_of(blanks) - begin + 1);
    constexpr std::string_view name = "name";
    return std::equal(word.begin(), word.end(), name.begin(), name.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

CoreText reasonOf(const NotAGameFile& why) {
    switch (why.kind) {
    case NotAGameFile::TooLarge:
        return {kTooLargeReason, {std::to_string(why.limit / (1024 * 1024))}};
    case NotAGameFile::NotText:
        return {kNotTextReason, {}};
    case NotAGameFile::TooFewValues:
        return {kTooFewValuesReason, {std::to_string(why.values), std::to_string(kFileValues)}};
    case NotAGameFile::NoHeader:
        break;
    }
    return {kNoHeaderReason, {}};
}

std::string reasonText(const NotAGameFile& why) {
    return english(reasonOf(why));
}

std::variant<GameContents, NotAGameFile> readGameFile(std::string_view bytes) {
    if (bytes.size() > kMaxGameFileBytes) return NotAGameFile{NotAGameFile::TooLarge};
    if (bytes.find('\0') != std::string_view::npos) return NotAGameFile{NotAGameFile::NotText};
    return gameOfValues(splitValues(decodeGameFile(bytes), kFileValues));
}

std::variant<GameContents, NotAGameFile> gameOfValues(const std::vector<std::string>& values) {
    // A file of notes or a web page is no game, however many values it happens to hold.
    if (!values.empty() && !isGameFileHeader(values[0]))
        return NotAGameFile{NotAGameFile::NoHeader};
    if (values.size() < static_cast<std::size_t>(kFileValues))
        return NotAGameFile{NotAGameFile::TooFewValues, values.size()};

    GameContents c;
    for (int line = 0; line < kLines; ++line) {
        const std::size_t first = static_cast<std::size_t>(line + 1) * kRecordValues;
        if (line < kPlayers) c.names[line] = values[first];
        for (int col = 0; col < kColumns; ++col)
            c.fields[Field{line, col}.id()] = values[first + 1 + col];
    }
    // The writer quotes every value and may turn Windows-1252 into the longer UTF-8, so a file
    // near the limit can hold a game whose saved form is over it. Such a game is refused here,
    // before it reaches the window, rather than saved into a file that no longer opens. Only a
    // game that could come near the limit is written out to see: at most three bytes for each
    // byte of a value (one repaired as U+FFFD), its quotes and comma, the line ends, and the
    // headings and labels within 1 KiB.
    std::size_t valueBytes = 0;
    for (const std::string& name : c.names)
        valueBytes += name.size();
    for (const std::string& field : c.fields)
        valueBytes += field.size();
    const std::size_t most = 3 * (valueBytes + 3 * kFileValues + 2 * kRecords + 1024);
    if (most > kMaxGameFileBytes && encodeGameFile(c).size() > kMaxGameFileBytes)
        return NotAGameFile{NotAGameFile::TooLarge};
    return c;
}

std::optional<GameContents> parseGameFile(std::string_view bytes) {
    auto result = readGameFile(bytes);
    if (auto* contents = std::get_if<GameContents>(&result)) return std::move(*contents);
    return std::nullopt;
}

} // namespace tallivant
