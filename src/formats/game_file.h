// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game file: 19 records of 18 quoted values (a header, twelve players, five quarters, the
// game totals), composed from a game's names and field texts and read back from bytes. No file
// system here; see disk.h.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "formats/core_text.h"
#include "sheet/columns.h"

namespace tallivant {

class Game;

inline constexpr int kRecordValues = kColumns + 1;            // a label or name, 17 fields
inline constexpr int kRecords = 1 + kLines;                   // header and 18 lines
inline constexpr int kFileValues = kRecords * kRecordValues;  // 342
inline constexpr std::size_t kMaxGameFileBytes = 1024 * 1024; // no real game file comes close

// What a game file holds: the twelve names and the 306 field texts, as UTF-8.
struct GameContents {
    std::array<std::string, kPlayers> names; // player N at N - 1
    std::array<std::string, kFields> fields; // by Field::id()
    friend bool operator==(const GameContents&, const GameContents&) = default;
};

// The names and fields of the game, with a stat that a box interrupts counted whole.
GameContents contentsOf(const Game& game);

// The 19 records as UTF-8 text, every value quoted, CR LF after each record. A double quote
// inside a value is written as ' so that the value cannot end early; a NUL character (which
// cannot be typed) is left out, since a file holding one would not open again.
std::string gameFileText(const GameContents& contents);

// The bytes of the file: Windows-1252 when every character fits that code page, UTF-8
// otherwise. A Windows-1252 text whose bytes would also pass as UTF-8 (such as "Ã©") is written
// as UTF-8 too, because the reader would take those bytes for UTF-8 and change the names.
std::string encodeGameFile(const GameContents& contents);
// The same choice for any text in a game file's form (a game file with records after its 19).
std::string encodeGameText(std::string_view utf8);

// The file's bytes as UTF-8 text: well-formed UTF-8 (without a leading byte order mark) as it
// is, anything else read as Windows-1252.
std::string decodeGameFile(std::string_view bytes);

// A game file with records after its 19 (saved_game.h) as UTF-8 text, its encoding chosen on
// the 19 records alone: one stray byte in a play must not turn every name into Windows-1252.
// The records after them are ASCII by design; a byte outside ASCII or a NUL there becomes "?"
// in `text` and sets `strayAfterGame`.
struct GameFileText {
    std::string text;
    bool strayAfterGame = false;
};
// Nothing when the 19 records hold a NUL (not a text file).
std::optional<GameFileText> decodeGameFileText(std::string_view bytes);

// Up to `limit` values of the text, in order, read as one sequence:
// - A comma or a line end (CR LF, LF or CR) ends a value. A line that holds nothing but blanks
//   holds no value, so blank lines and doubled line ends ("\r\r\n") do not shift the values
//   after them. A comma at the end of a line ends an empty value, but not one at the very end
//   of the file, where it is taken for a file cut short.
// - A value that starts with a double quote (after blanks) runs to the next double quote,
//   commas and line ends included. Text between the closing quote and the next comma or line
//   end is kept, appended without its trailing blanks ("Smith" Jr -> Smith Jr).
// - A double quote anywhere else is an ordinary character (6'2" stays as it is).
// - A value without quotes loses the blanks (spaces, tabs) around it.
// - A quoted value whose closing quote never comes is incomplete and is not returned.
// `end`, when given, is where the values read end (after the comma or line end of the last).
// The quotes, commas and line ends are ASCII, so the values of a file's bytes end at the same
// places in either encoding.
std::vector<std::string> splitValues(std::string_view text, std::size_t limit,
                                     std::size_t* end = nullptr);

// True when the first value of a file is the one every game file starts with: "Name", in any
// case, blanks around it ignored. Any other text (notes, a web page, a log) is not a game.
bool isGameFileHeader(std::string_view firstValue);

// Why bytes are not a game file.
struct NotAGameFile {
    enum Kind {
        TooLarge,     // more than `limit` bytes
        NotText,      // a NUL byte: binary data, or text in UTF-16
        TooFewValues, // fewer than 342 values; `values` tells how many
        NoHeader,     // a first value other than the header's "Name"
    } kind;
    std::size_t values = 0;
    std::size_t limit = kMaxGameFileBytes; // a whole number of MiB
};

// The reason as the scorer reads it under the refusal: "It holds 12 of the 342 values of a
// game file." and the like; reasonOf gives its template and values, reasonText their English fill.
CoreText reasonOf(const NotAGameFile& why);
std::string reasonText(const NotAGameFile& why);

// reasonOf's templates, for the layer that translates a reason.
inline constexpr const char* kTooLargeReason =
    QT_TRANSLATE_NOOP("Core", "It is larger than %1 MiB.");
inline constexpr const char* kNotTextReason = QT_TRANSLATE_NOOP("Core", "It is not a text file.");
inline constexpr const char* kTooFewValuesReason =
    QT_TRANSLATE_NOOP("Core", "It holds %1 of the %2 values of a game file.");
inline constexpr const char* kNoHeaderReason = QT_TRANSLATE_NOOP(
    "Core", "It is not a game file: a game file begins with the header \"Name\",\"FGM\",\u2026");

// The game in a game file, or why the bytes are not one. A game that encodeGameFile would
// write in more than kMaxGameFileBytes is TooLarge, so every game read can be saved and read
// again.
// Values after the 342nd are ignored; values go into the fields as text, unchecked.
std::variant<GameContents, NotAGameFile> readGameFile(std::string_view bytes);

// The game in the first 342 values of a game file's text (see splitValues), or why they are not
// one; further values are not looked at.
std::variant<GameContents, NotAGameFile> gameOfValues(const std::vector<std::string>& values);

// The game in a game file, or nothing when the bytes are not one.
std::optional<GameContents> parseGameFile(std::string_view bytes);

} // namespace tallivant
