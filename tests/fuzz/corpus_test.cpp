// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>

#include "reader_property.h"
#include "support/scratch_folder.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

const std::filesystem::path kCorpus = TALLIVANT_FUZZ_CORPUS;

} // namespace

TEST(FuzzCorpus, EveryInputKeepsTheReadersRules) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        ++inputs;
        EXPECT_EQ(readerProblem(readBytes(entry.path())), "") << entry.path();
    }
    EXPECT_GE(inputs, 5);
}

TEST(FuzzCorpus, SeedsReadAsTheirNamesSay) {
    const auto cp1252 = parseGameFile(readBytes(kCorpus / "saved_cp1252.txt"));
    const auto utf8 = parseGameFile(readBytes(kCorpus / "saved_utf8.txt"));
    const auto perLine = parseGameFile(readBytes(kCorpus / "one_per_line_lf.txt"));
    ASSERT_TRUE(cp1252 && utf8 && perLine);
    EXPECT_EQ(cp1252->names[1], "5  José");
    EXPECT_EQ(utf8->names[3], "9  Łukasz 李");
    EXPECT_EQ(*perLine, *utf8);
    EXPECT_EQ(cp1252->fields, utf8->fields);
    EXPECT_FALSE(parseGameFile(readBytes(kCorpus / "truncated.txt")));
    EXPECT_FALSE(parseGameFile(readBytes(kCorpus / "odd_quoting.txt")));
    EXPECT_EQ(splitValues(decodeGameFile(readBytes(kCorpus / "odd_quoting.txt")), 10),
              (std::vector<std::string>{"Name x", "6'2\" guard", "a,b", ""}));
}

TEST(FuzzCorpus, AGameSavedOverTheLimitIsRefusedAndOneThatFitsOpens) {
    // Both files are under the limit, but quoting every value, or writing the Windows-1252
    // text as UTF-8, takes their game over it.
    for (const auto& [name, longValue] : {std::pair{"near_limit_unquoted.txt", "0123456789"},
                                          std::pair{"near_limit_cp1252.txt", "\xC3\xA9\xC3\xA9"}}) {
        std::string bytes = readBytes(kCorpus / name);
        ASSERT_LE(bytes.size(), kMaxGameFileBytes) << name;
        ASSERT_GT(bytes.size(), kMaxGameFileBytes - 4096) << name;
        EXPECT_FALSE(parseGameFile(bytes)) << name;

        // Three quarters of the long value gone (an even count: whole "Ã©" pairs): now it fits.
        const std::size_t start = bytes.find(longValue);
        ASSERT_NE(start, std::string::npos) << name;
        bytes.erase(start, bytes.size() / 8 * 6);
        const auto game = parseGameFile(bytes);
        ASSERT_TRUE(game) << name;
        const std::string saved = encodeGameFile(*game);
        EXPECT_LE(saved.size(), kMaxGameFileBytes) << name;
        EXPECT_EQ(parseGameFile(saved), game) << name;
    }
}
