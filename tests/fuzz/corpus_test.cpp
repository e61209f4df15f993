// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "reader_property.h"

using namespace tallivant;
using namespace tallivant::testing;

namespace {

std::string corpusFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::filesystem::path kCorpus = TALLIVANT_FUZZ_CORPUS;

} // namespace

TEST(FuzzCorpus, EveryInputKeepsTheReadersRules) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        ++inputs;
        EXPECT_EQ(readerProblem(corpusFile(entry.path())), "") << entry.path();
    }
    EXPECT_GE(inputs, 5);
}

TEST(FuzzCorpus, SeedsReadAsTheirNamesSay) {
    const auto cp1252 = parseGameFile(corpusFile(kCorpus / "saved_cp1252.txt"));
    const auto utf8 = parseGameFile(corpusFile(kCorpus / "saved_utf8.txt"));
    const auto perLine = parseGameFile(corpusFile(kCorpus / "one_per_line_lf.txt"));
    ASSERT_TRUE(cp1252 && utf8 && perLine);
    EXPECT_EQ(cp1252->names[1], "5  José");
    EXPECT_EQ(utf8->names[3], "9  Łukasz 李");
    EXPECT_EQ(*perLine, *utf8);
    EXPECT_EQ(cp1252->fields, utf8->fields);
    EXPECT_FALSE(parseGameFile(corpusFile(kCorpus / "truncated.txt")));
    EXPECT_FALSE(parseGameFile(corpusFile(kCorpus / "odd_quoting.txt")));
    EXPECT_EQ(splitValues(decodeGameFile(corpusFile(kCorpus / "odd_quoting.txt")), 10),
              (std::vector<std::string>{"Name x", "6'2\" guard", "a,b", ""}));
}
