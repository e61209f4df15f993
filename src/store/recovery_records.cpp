// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/recovery_records.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "formats/encoding.h"
#include "formats/game_file.h"
#include "formats/matchup_records.h"

namespace tallivant {
namespace {

// The records after the game's nineteen and its quarter and plays (saved_game.h). Readers of
// game files stop before them, so File|Open reads a recovery file like any game file.
// "Path": the file the window showed, every byte outside ASCII and "%" written as %XX, so that
// the game's own text alone decides the file's encoding. Copies of older versions wrote the
// label as it was, in a record "File".
constexpr std::string_view kPathRecord = "Path";
constexpr std::string_view kOldLabelRecord = "File";
// The selected player, the takeback letter (empty for none), its player and its quarter.
constexpr std::string_view kMemoryRecord = "Memory";
constexpr std::size_t kMemoryValues = 4;
// What the window showed beside the game, which no game file holds: the five timeout boxes, the
// possession ("U" or "Opp") and the twelve on-the-floor boxes, each "1" when ticked.
constexpr std::string_view kTimeoutsRecord = "Timeouts";
constexpr std::string_view kPossessionRecord = "Possession";
constexpr std::string_view kFloorRecord = "Floor";
constexpr std::string_view kOurs = "U";
constexpr std::string_view kTheirs = "Opp";
// Where the game is shared live, escaped as the path is, and "numbers" or "names"; only while it
// is.
constexpr std::string_view kShareRecord = "Share";
constexpr std::string_view kNumbersOnly = "numbers";
// The last record: the length of all the bytes before it and their CRC-32, so that a version
// a power cut tore or damaged is never taken for a whole one. "End" is a name no other record
// of a game file has.
constexpr std::string_view kEndRecord = "End";

// CRC-32 as zip and PNG compute it, eight bytes a step: the copy of a game of a thousand plays
// is some 60 KB, summed at every stat.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;
constexpr CrcTables crcTables() {
    CrcTables t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (std::size_t i = 0; i < 256; ++i)
        for (std::size_t k = 1; k < 8; ++k)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}
constexpr CrcTables kCrc = crcTables();

std::string trailerOf(std::string_view body) {
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(crc32(body)));
    return "\"" + std::string(kEndRecord) + "\",\"" + std::to_string(body.size()) + "\",\"" + crc +
           "\"\r\n";
}

int number(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

} // namespace

// The copy's bytes: the game's records in the game file's encoding, then the quarter, the plays
// and the copy's own records, which are all ASCII (the label is escaped to it) and so read the
// same in either encoding; leaving them out of the encoding's choice and conversion keeps a
// stat's copy from converting a thousand plays.
// Nothing for a game that Save would refuse (fitsSavedGame).
std::optional<std::string> recoveryBytes(const KeptGame& kept, PlaysText& plays) {
    std::string text = encodeGameFile(kept.game);
    if (!fitsSavedGame(text.size(), kept.plays, longestMatchupText(kept.matchup)))
        return std::nullopt;
    if (kept.matchup.empty() && kept.matchup.details.rules == Rules{})
        text += plays.of(kept.quarter, kept.plays);
    else
        text += afterGameText(plays.of(kept.quarter, kept.plays), kept.matchup);
    const auto record = [&](std::string_view name, std::initializer_list<std::string> values) {
        text += "\"" + std::string(name) + "\"";
        for (const std::string& v : values)
            text += ",\"" + v + "\"";
        text += "\r\n";
    };
    const auto ticks = [&](std::string_view name, const auto& boxes) {
        text += "\"" + std::string(name) + "\"";
        for (const bool on : boxes)
            text += on ? ",\"1\"" : ",\"0\"";
        text += "\r\n";
    };
    // Before "Path" and "Memory": a version that older programs would take for whole (see
    // wholeBytes) is then one that lacks nothing but its trailer.
    const ScreenMarks& marks = kept.marks;
    ticks(kTimeoutsRecord, marks.timeouts);
    record(kPossessionRecord, {std::string(marks.ourPossession ? kOurs : kTheirs)});
    ticks(kFloorRecord, marks.onFloor);
    record(kPathRecord, {percentEscaped(kept.label)});
    if (!kept.sharing.folder.empty())
        record(kShareRecord, {percentEscaped(kept.sharing.folder),
                              std::string(kept.sharing.numbersOnly ? kNumbersOnly : "names")});
    const GameMemory& m = kept.memory;
    record(kMemoryRecord,
           {std::to_string(m.playernum), m.tbletter ? std::string(1, m.tbletter) : std::string(),
            std::to_string(m.oldplayernum), std::to_string(static_cast<int>(m.tbquarter))});
    text += trailerOf(text);
    return text;
}

// The bytes of a version before its trailer, when they are whole: the trailer gives their
// length and CRC-32. Versions written before the trailer existed have none; one of those is
// whole only when it ends with the "Memory" record they wrote last, complete, since a power
// cut that cuts a file short leaves anything else. Every other version is broken.
std::optional<std::string_view> wholeBytes(std::string_view bytes) {
    if (!bytes.ends_with("\r\n") || bytes.size() < 3) return std::nullopt;
    const std::size_t end = bytes.size() - 2;
    const std::size_t before = bytes.rfind("\r\n", end - 1);
    const std::size_t start = before == std::string_view::npos ? 0 : before + 2;
    const std::string_view body = bytes.substr(0, start);
    const std::string_view last = bytes.substr(start, end - start);
    if (last.starts_with("\"" + std::string(kEndRecord) + "\"")) {
        if (bytes.substr(start) != trailerOf(body)) return std::nullopt;
        return body;
    }
    const auto values = splitValues(last, std::numeric_limits<std::size_t>::max());
    if (values.size() == 1 + kMemoryValues && values[0] == kMemoryRecord && last.ends_with('"'))
        return bytes;
    return std::nullopt;
}

void readRecords(const std::vector<std::vector<std::string>>& records, SavedGame& saved,
                 KeptGame& kept) {
    for (const std::vector<std::string>& v : records) {
        const std::string& name = v[0];
        const std::size_t values = v.size() - 1;
        if ((name == kPathRecord || name == kOldLabelRecord) && values >= 1) {
            kept.label = name == kPathRecord ? percentUnescaped(v[1]) : v[1];
        } else if (name == kShareRecord && values >= 2) {
            kept.sharing = {percentUnescaped(v[1]), v[2] == kNumbersOnly};
        } else if (name == kTimeoutsRecord && values >= ScreenMarks::kTimeouts) {
            for (int k = 0; k < ScreenMarks::kTimeouts; ++k)
                kept.marks.timeouts[k] = v[1 + k] == "1";
        } else if (name == kPossessionRecord && values >= 1) {
            kept.marks.ourPossession = v[1] != kTheirs;
        } else if (name == kFloorRecord && values >= kPlayers) {
            for (int k = 0; k < kPlayers; ++k)
                kept.marks.onFloor[k] = v[1 + k] == "1";
        } else if (name == kMemoryRecord && values >= kMemoryValues) {
            GameMemory& m = kept.memory;
            m.playernum = number(v[1]);
            m.tbletter = v[2].size() == 1 ? v[2][0] : 0;
            m.oldplayernum = number(v[3]);
            m.tbquarter = static_cast<Quarter>(number(v[4]));
        } else {
            readGameRecord(v, saved);
        }
    }
}

std::uint32_t crc32(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t n = bytes.size();
    std::uint32_t c = 0xFFFFFFFFu;
    for (; n >= 8; p += 8, n -= 8) {
        const std::uint32_t word =
            c ^ (p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
        c = kCrc[7][word & 0xFF] ^ kCrc[6][(word >> 8) & 0xFF] ^ kCrc[5][(word >> 16) & 0xFF] ^
            kCrc[4][word >> 24] ^ kCrc[3][p[4]] ^ kCrc[2][p[5]] ^ kCrc[1][p[6]] ^ kCrc[0][p[7]];
    }
    for (; n > 0; ++p, --n)
        c = kCrc[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

} // namespace tallivant
