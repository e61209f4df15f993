// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/saved_game.h"

#include <algorithm>
#include <array>
#include <limits>

#include "formats/matchup_records.h"
#include "sheet/numbers.h"
#include "sheet/stats.h"

namespace tallivant {
namespace {

constexpr std::string_view kQuarterRecord = "Quarter";
constexpr std::string_view kPlayRecord = "Play";
constexpr std::size_t kPlayValues = 9; // the record's name and eight values
constexpr std::string_view kCounted = "counted";
constexpr std::string_view kTakenBack = "taken back";
constexpr std::size_t kLongestQuarterName = 3; // "1st" … "4th"; "OT"
constexpr std::size_t kLongestPlayer = 2;      // "12"

// Printable ASCII without the double quote, which would end the value.
void appendValue(std::string& out, std::string_view value) {
    out += ",\"";
    for (const char c : value)
        out += c >= ' ' && c < 0x7F && c != '"' ? c : '?';
    out += '"';
}

// The play in the nine values of a play record, or nothing when they do not make one.
std::optional<Play> playOf(const std::string* v) {
    const auto number = plainNumber(v[1]);
    const auto quarter = quarterNamed(v[3]);
    const auto player = plainNumber(v[4]);
    if (!number || !quarter || !player || v[5].size() != 1 ||
        (v[6] != kCounted && v[6] != kTakenBack))
        return std::nullopt;
    Play p;
    p.number = *number;
    p.time = v[2];
    p.quarter = *quarter;
    p.player = *player;
    p.letter = v[5][0];
    p.counted = v[6] == kCounted;
    if (!v[7].empty()) {
        const auto from = plainNumber(v[7]);
        if (!from) return std::nullopt;
        p.fromPlayer = *from;
    }
    if (!v[8].empty()) {
        p.fromQuarter = quarterNamed(v[8]);
        if (!p.fromQuarter) return std::nullopt;
    }
    return p;
}

bool isQuarter(Quarter q) {
    return static_cast<int>(q) >= 0 && static_cast<int>(q) < kQuarters;
}

} // namespace

std::optional<Quarter> quarterNamed(std::string_view name) {
    for (int q = 0; q < kQuarters; ++q)
        if (quarterName(static_cast<Quarter>(q)) == name) return static_cast<Quarter>(q);
    return std::nullopt;
}

std::optional<int> plainNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool isTimeOfDay(std::string_view t) {
    const auto two = [&](std::size_t at, int below) {
        const auto n = plainNumber(t.substr(at, 2));
        return n && *n < below;
    };
    return t.size() == 8 && t[2] == ':' && t[5] == ':' && two(0, 24) && two(3, 60) && two(6, 60);
}

std::string quarterAndPlaysText(Quarter quarter, const Plays& plays) {
    PlaysText text;
    return text.of(quarter, plays);
}

const std::string& PlaysText::of(Quarter quarter, const Plays& plays) {
    text_.clear();
    // What a file without these records opens as: the 19 alone, as before plays were kept.
    if (quarter == Quarter::First && plays.empty()) return text_;

    std::size_t same = 0;
    while (same < plays.size() && same < plays_.size() && plays[same] == plays_[same])
        ++same;
    plays_.resize(same);
    ends_.resize(same);
    records_.resize(same ? ends_.back() : 0);
    for (std::size_t i = same; i < plays.size(); ++i) {
        const Play& p = plays[i];
        records_ += '"';
        records_ += kPlayRecord;
        records_ += '"';
        appendValue(records_, std::to_string(p.number));
        appendValue(records_, p.time);
        appendValue(records_, quarterName(p.quarter));
        appendValue(records_, std::to_string(p.player));
        appendValue(records_, std::string_view(&p.letter, 1));
        appendValue(records_, p.counted ? kCounted : kTakenBack);
        appendValue(records_, p.fromPlayer ? std::to_string(p.fromPlayer) : std::string());
        appendValue(records_, p.fromQuarter ? quarterName(*p.fromQuarter) : std::string_view());
        records_ += "\r\n";
        plays_.push_back(p);
        ends_.push_back(records_.size());
    }

    text_.reserve(32 + records_.size());
    text_ += '"';
    text_ += kQuarterRecord;
    text_ += '"';
    appendValue(text_, quarterName(quarter));
    text_ += "\r\n";
    text_ += records_;
    return text_;
}

std::size_t longestQuarterAndPlaysText(const Plays& plays) {
    // Every value quoted, a comma before all but the first, CR LF after the last.
    const auto record = [](std::size_t name, std::size_t values, std::size_t chars) {
        return name + 2 + values * 3 + chars + 2;
    };
    // Counted without composing the text: the recovery copy asks at every stat.
    const auto digits = [](int n) {
        std::size_t d = n < 0 ? 2 : 1;
        for (n /= 10; n != 0; n /= 10)
            ++d;
        return d;
    };
    std::size_t size = record(kQuarterRecord.size(), 1, kLongestQuarterName);
    for (const Play& p : plays) {
        const std::size_t player = std::max(kLongestPlayer, digits(p.player));
        const std::size_t fromPlayer = std::max(kLongestPlayer, digits(p.fromPlayer));
        size += record(kPlayRecord.size(), kPlayValues - 1,
                       digits(p.number) + p.time.size() + kLongestQuarterName + player + 1 +
                           std::max(kCounted.size(), kTakenBack.size()) + fromPlayer +
                           kLongestQuarterName);
    }
    return size;
}

bool fitsSavedGame(std::size_t gameBytes, const Plays& plays, std::size_t otherBytes) {
    return gameBytes <= kMaxGameFileBytes &&
           gameBytes + longestQuarterAndPlaysText(plays) + otherBytes <= kMaxSavedGameBytes;
}

std::optional<std::string> encodeSavedGame(const GameContents& game, Quarter quarter,
                                           const Plays& plays, const Matchup& matchup) {
    std::string bytes = encodeGameFile(game);
    if (!fitsSavedGame(bytes.size(), plays, longestMatchupText(matchup))) return std::nullopt;
    bytes += afterGameText(quarterAndPlaysText(quarter, plays), matchup);
    return bytes;
}

namespace {
// Each line's values to `use`, one line at a time: a season reads some 400,000 records, and
// does not need them all at once.
template <typename Use> void forEachRecord(std::string_view text, Use use) {
    std::size_t at = 0;
    while (at < text.size()) {
        // Not find_first_of, which looks each byte up in its set with a call of its own.
        const auto lineEnd =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                         [](char c) { return c == '\r' || c == '\n'; });
        const auto end = static_cast<std::size_t>(lineEnd - text.begin());
        auto values =
            splitValues(text.substr(at, end - at), std::numeric_limits<std::size_t>::max());
        if (!values.empty()) use(std::move(values));
        at = end + 1;
    }
}
} // namespace

std::vector<std::vector<std::string>> splitRecords(std::string_view text) {
    std::vector<std::vector<std::string>> records;
    forEachRecord(text, [&records](std::vector<std::string>&& values) {
        records.push_back(std::move(values));
    });
    return records;
}

bool readGameRecord(const std::vector<std::string>& record, SavedGame& saved) {
    if (record.empty()) return false;
    const std::string& name = record[0];
    if (name == kQuarterRecord) {
        if (record.size() >= 2)
            if (const auto q = quarterNamed(record[1])) saved.quarter = *q;
        return true;
    }
    if (name == kPlayRecord) {
        const auto play = record.size() == kPlayValues ? playOf(record.data()) : std::nullopt;
        if (play)
            saved.plays.push_back(std::move(*play));
        else
            saved.playsLeftOut = true;
        return true;
    }
    return readMatchupRecord(record, saved.matchup, saved.opponentLeftOut);
}

void keepPlaysThatFit(SavedGame& saved) {
    if (saved.opponentLeftOut) saved.matchup.opponent.clear();
    if (saved.playsLeftOut || !playsFit(saved.plays, saved.game)) {
        saved.plays.clear();
        saved.playsLeftOut = true;
        return;
    }
    // Opened, they could grow past what Save and the recovery copy write: such plays are left
    // out, and the statistics, which alone are sure to fit, open without them. A game read is
    // within kMaxGameFileBytes (gameOfValues), so plays that leave that much room fit whatever
    // it holds, without the game composed again (which took as long as reading the plays).
    const std::size_t others = longestMatchupText(saved.matchup);
    if (longestQuarterAndPlaysText(saved.plays) + others > kMaxSavedGameBytes - kMaxGameFileBytes &&
        !fitsSavedGame(encodeGameFile(saved.game).size(), saved.plays, others)) {
        saved.plays.clear();
        saved.playsLeftOut = saved.tooManyPlays = true;
    }
}

bool playsFit(const Plays& plays, const GameContents& game) {
    std::array<double, kFields> added{};
    int number = 0;
    for (const Play& p : plays) {
        const auto row = statIndex(p.letter);
        const bool player = p.player >= 1 && p.player <= kPlayers;
        const bool fromPlayer =
            p.fromPlayer == 0 ||
            (p.fromPlayer >= 1 && p.fromPlayer <= kPlayers && p.fromPlayer != p.player);
        const bool fromQuarter =
            !p.fromQuarter || (isQuarter(*p.fromQuarter) && *p.fromQuarter != p.quarter);
        if (p.number != ++number || !isTimeOfDay(p.time) || !row || !player ||
            !isQuarter(p.quarter) || !fromPlayer || !fromQuarter)
            return false;
        if (!p.counted) continue;
        const std::array<int, 3> lines = {playerLine(p.player - 1), quarterLine(p.quarter),
                                          kTotalsLine};
        forEachCount(kStatTable[*row], [&](int col, int amount) {
            for (const int line : lines)
                added[Field{line, col}.id()] += amount;
        });
    }
    for (int id = 0; id < kFields; ++id)
        if (added[id] > 0 && readLenient(game.fields[id]) < added[id]) return false;
    return true;
}

std::variant<SavedGame, NotAGameFile> readSavedGame(std::string_view bytes, Reading reading) {
    if (bytes.size() > kMaxSavedGameBytes)
        return NotAGameFile{NotAGameFile::TooLarge, 0, kMaxSavedGameBytes};
    const std::optional<GameFileText> decoded = decodeGameFileText(bytes);
    if (!decoded) return NotAGameFile{NotAGameFile::NotText};
    std::size_t end = 0;
    const std::vector<std::string> values =
        splitValues(decoded->text, static_cast<std::size_t>(kFileValues), &end);
    auto game = gameOfValues(values);
    if (auto* why = std::get_if<NotAGameFile>(&game)) return *why;
    SavedGame saved;
    saved.game = std::move(std::get<GameContents>(game));
    if (reading == Reading::GameOnly) return saved;
    forEachRecord(std::string_view(decoded->text).substr(end),
                  [&saved](std::vector<std::string>&& record) { readGameRecord(record, saved); });
    if (decoded->strayAfterGame) saved.playsLeftOut = true;
    keepPlaysThatFit(saved);
    return saved;
}

} // namespace tallivant
