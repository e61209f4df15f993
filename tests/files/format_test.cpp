// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "files_fixture.h"
#include "formats/encoding.h"

using namespace tallivant;
using namespace tallivant::testing;

using GameFileWriter = FilesTest;

namespace {

using GameFileReader = ::testing::Test;
using ValueSplitting = ::testing::Test;

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
    for (std::size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += to.size())
        s.replace(pos, from.size(), to);
    return s;
}

// Every value different, so that a value read into the wrong place shows.
GameContents distinctContents() {
    GameContents c;
    for (int n = 0; n < kPlayers; ++n)
        c.names[n] = "n" + std::to_string(n + 1) + " x";
    for (int id = 0; id < kFields; ++id)
        c.fields[id] = std::to_string(id * 7 % 1000);
    return c;
}

std::vector<std::string> split(std::string_view text, std::size_t limit = 100) {
    return splitValues(text, limit);
}

} // namespace

TEST_F(GameFileWriter, SavedSmallGameMatchesTheFileWrittenByHand) {
    game.setName(1, "4  Smith, Al");
    game.setName(2, "5  Lee");
    game.setTimeOfDay([] { return std::string("19:30:05"); });
    stat(2, 'c', Quarter::Second);
    stat(2, 'c', Quarter::Second);
    stat(2, 'v', Quarter::Second);
    const std::string path = folder / "small.txt";
    saveTo(path);

    const std::string header = R"("Name","FGM","FGA","FG%","FTM","FTA","FT%","3PTM","3PTA","3PT%",)"
                               R"("REBS","ASTS","TurnOver's","STLS","BLKS","Prsnl Fls","TechFls",)"
                               R"("Points")"
                               "\r\n";
    const std::string zeros =
        R"(,"0","0","0","0","0","0","0","0","0","0","0","0","0","0","0","0","0")"
        "\r\n";
    const std::string shots =
        R"(,"2","3","66.67%","0","0","0","0","0","0","0","0","0","0","0","0","0","4")"
        "\r\n";
    std::string expected = header + R"("4  Smith, Al")" + zeros + R"("5  Lee")" + shots;
    for (int n = 3; n <= 12; ++n)
        expected += R"("")" + zeros;
    expected += R"("First Quarter")" + zeros + R"("Second Quarter")" + shots +
                R"("Third Quarter")" + zeros + R"("Fourth Quarter")" + zeros +
                R"("Overtime totals")" + zeros + R"("Game totals")" + shots;
    // The quarter that is on, and the plays.
    expected += "\"Quarter\",\"1st\"\r\n"
                "\"Play\",\"1\",\"19:30:05\",\"2nd\",\"2\",\"c\",\"counted\",\"\",\"\"\r\n"
                "\"Play\",\"2\",\"19:30:05\",\"2nd\",\"2\",\"c\",\"counted\",\"\",\"\"\r\n"
                "\"Play\",\"3\",\"19:30:05\",\"2nd\",\"2\",\"v\",\"counted\",\"\",\"\"\r\n";

    EXPECT_EQ(readBytes(path), expected);
}

TEST_F(GameFileWriter, StartUpGameHasEmptyNamesAndZeros) {
    const std::string path = folder / "start.txt";
    saveTo(path);
    const std::string bytes = readBytes(path);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 19);
    const auto values = split(bytes, 1000);
    ASSERT_EQ(values.size(), 342u);
    for (int n = 1; n <= kPlayers; ++n)
        EXPECT_EQ(values[n * 18], "") << n;
    for (int v = 19; v < 342; ++v) {
        if (v % 18 != 0) {
            EXPECT_EQ(values[v], "0") << v;
        }
    }
}

TEST_F(GameFileWriter, WritesWindows1252WhenEveryCharacterFits) {
    game.setName(1, "José Ñ 5€ “Al”");
    const std::string bytes = encodeGameFile(contentsOf(game));
    EXPECT_NE(bytes.find("\"Jos\xE9 \xD1 5\x80 \x93"
                         "Al\x94\""),
              std::string::npos);
    EXPECT_FALSE(isValidUtf8(bytes));
    EXPECT_EQ(parseGameFile(bytes)->names[0], "José Ñ 5€ “Al”");
}

TEST_F(GameFileWriter, WritesUtf8WhenANameDoesNotFitWindows1252) {
    game.setName(1, "José");
    game.setName(2, "Łukasz");
    const std::string bytes = encodeGameFile(contentsOf(game));
    EXPECT_TRUE(isValidUtf8(bytes));
    EXPECT_NE(bytes.find("\"Jos\xC3\xA9\""), std::string::npos);
    EXPECT_NE(bytes.find("\"\xC5\x81ukasz\""), std::string::npos);
}

TEST_F(GameFileWriter, Windows1252BytesThatWouldReadAsUtf8AreWrittenAsUtf8) {
    // In Windows-1252 "Ã©" is C3 A9, which a reader takes for the UTF-8 of "é".
    game.setName(1, "Ã©");
    const auto back = parseGameFile(encodeGameFile(contentsOf(game)));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->names[0], "Ã©");
}

TEST_F(GameFileWriter, DoubleQuoteInANameBecomesASingleQuote) {
    game.setName(1, "6'2\" \"Big\" Al");
    game.setName(2, "after");
    const std::string bytes = encodeGameFile(contentsOf(game));
    EXPECT_NE(bytes.find("\"6'2' 'Big' Al\","), std::string::npos);
    const auto back = parseGameFile(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->names[0], "6'2' 'Big' Al");
    EXPECT_EQ(back->names[1], "after");
    EXPECT_EQ(back->fields, contentsOf(game).fields);
}

TEST_F(GameFileWriter, NulCharacterIsLeftOutSoTheFileOpensAgain) {
    game.setName(1, std::string("a\0b", 3));
    const auto back = parseGameFile(encodeGameFile(contentsOf(game)));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->names[0], "ab");
}

TEST_F(GameFileWriter, BrokenUtf8InANameIsWrittenAsAReplacementCharacter) {
    game.setName(1, "Zo\xEB");
    game.setName(2, "Łukasz");
    const std::string bytes = encodeGameFile(contentsOf(game));
    EXPECT_TRUE(isValidUtf8(bytes));
    EXPECT_EQ(parseGameFile(bytes)->names[0], "Zo\uFFFD");
}

TEST(GameFileReader, ReadsAFileAsTheWriterWroteIt) {
    const GameContents c = distinctContents();
    EXPECT_EQ(parseGameFile(gameFileText(c)), c);
}

TEST(GameFileReader, LineEndsAndLineBreaksDoNotMatter) {
    const GameContents c = distinctContents();
    const std::string crlf = gameFileText(c);
    const std::string perLine = replaceAll(crlf, "\",\"", "\"\r\n\"");
    const std::map<std::string, std::string> variants = {
        {"every value on its own line", perLine},
        {"LF only", replaceAll(crlf, "\r\n", "\n")},
        {"CR only", replaceAll(crlf, "\r\n", "\r")},
        {"own lines, LF only", replaceAll(perLine, "\r\n", "\n")},
        {"CR CR LF", replaceAll(crlf, "\r\n", "\r\r\n")},
        {"blank lines between records", replaceAll(crlf, "\r\n", "\r\n  \r\n\n")},
        {"no line end at the end", crlf.substr(0, crlf.size() - 2)},
        {"one long line", replaceAll(crlf, "\r\n", ",")},
    };
    for (const auto& [what, text] : variants)
        EXPECT_EQ(parseGameFile(text), c) << what;
}

TEST(GameFileReader, UnquotedValuesLoseTheBlanksAroundThem) {
    const GameContents c = distinctContents();
    std::string text = gameFileText(c);
    text = replaceAll(text, "\",\"", "  ,\t ");
    text = replaceAll(text, "\"\r\n\"", " \t\r\n   ");
    text = replaceAll(text, "\"", "");
    ASSERT_EQ(text.find('"'), std::string::npos);
    EXPECT_EQ(parseGameFile(text), c);
}

TEST(GameFileReader, ValuesAfterTheLastOneAreIgnored) {
    const GameContents c = distinctContents();
    const std::string text = gameFileText(c);
    EXPECT_EQ(parseGameFile(text + text), c);
    EXPECT_EQ(parseGameFile(text + "\"extra\",1,2\r\n\"never closed"), c);
    std::string longRecords = replaceAll(text, "\r\n", ",\"x\",\"y\"\r\n");
    EXPECT_NE(parseGameFile(longRecords), c); // extra values inside records do shift
}

TEST(GameFileReader, TextWhereACountBelongsIsKeptAsText) {
    GameContents c = distinctContents();
    c.fields[fieldByName("txtfgm_0").id()] = "abc";
    c.fields[fieldByName("txttmptstot").id()] = "";
    c.fields[fieldByName("txt2ndfgper").id()] = "12,5 %";
    EXPECT_EQ(parseGameFile(gameFileText(c)), c);
}

TEST(GameFileReader, QuotedValuesKeepCommasBlanksAndLineBreaks) {
    GameContents c = distinctContents();
    c.names[0] = "Smith, Al";
    c.names[1] = "  blanks  ";
    c.names[2] = "two\r\nlines";
    c.names[3] = "";
    c.names[4] = ",";
    EXPECT_EQ(parseGameFile(gameFileText(c)), c);
}

TEST(GameFileReader, DecodesWindows1252AndUtf8WithOrWithoutByteOrderMark) {
    GameContents c = distinctContents();
    c.names[0] = "Zoë Ñ € ‰";
    const std::string utf8 = gameFileText(c);
    const std::string cp1252 = *utf8ToCp1252(utf8);
    ASSERT_NE(cp1252, utf8);
    EXPECT_EQ(parseGameFile(cp1252), c);
    EXPECT_EQ(parseGameFile(utf8), c);
    EXPECT_EQ(parseGameFile("\xEF\xBB\xBF" + utf8), c);
}

TEST(GameFileReader, RefusesFilesThatAreNotGameFiles) {
    const std::string text = gameFileText(distinctContents());
    EXPECT_FALSE(parseGameFile(""));
    EXPECT_FALSE(parseGameFile("\r\n\r\n"));
    for (std::size_t cut : {std::size_t{1}, std::size_t{200}, text.size() - 3})
        EXPECT_FALSE(parseGameFile(text.substr(0, cut))) << cut;
    // A NUL: binary data, or text in UTF-16, even when it splits into enough values.
    std::string binary = text;
    binary[50] = '\0';
    EXPECT_GE(split(binary, 400).size(), 342u);
    EXPECT_FALSE(parseGameFile(binary));
}

TEST(GameFileReader, OneMebibyteIsTheLargestFile) {
    const GameContents c = distinctContents();
    std::string text = gameFileText(c);
    text += std::string(kMaxGameFileBytes - text.size(), ' ');
    EXPECT_EQ(parseGameFile(text), c);
    EXPECT_FALSE(parseGameFile(text + " "));
}

TEST(ValueSplitting, OddQuoting) {
    using V = std::vector<std::string>;
    EXPECT_EQ(split(R"("Smith" Jr  ,x)"), (V{"Smith Jr", "x"}));
    EXPECT_EQ(split(R"("66.67%"   ,x)"), (V{"66.67%", "x"}));
    EXPECT_EQ(split("6'2\" guard,\"a\""), (V{"6'2\" guard", "a"}));
    EXPECT_EQ(split(R"(  "a,b"  ,  c d  ,"")"), (V{"a,b", "c d", ""}));
    EXPECT_EQ(split(R"("a""b",c)"), (V{"a\"b\"", "c"}));
    EXPECT_EQ(split("a,\"never closed, b, c\r\nd"), (V{"a"}));
}

TEST(ValueSplitting, EmptyValuesAndLineEnds) {
    using V = std::vector<std::string>;
    EXPECT_EQ(split(",,x"), (V{"", "", "x"}));
    EXPECT_EQ(split("a,\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(split("a\r\n\r\n \t \n\rb\n"), (V{"a", "b"}));
    EXPECT_EQ(split("a\n\rb"), (V{"a", "b"}));
    EXPECT_EQ(split("a,b,"), (V{"a", "b"}));
    EXPECT_EQ(split("a,b,c,d", 2), (V{"a", "b"}));
}

// A reason the core hands out in English is filled from its template, and the window takes the
// values back out of it to fill the translated template: both ways must agree, whatever the
// values hold.
TEST(CoreTexts, TemplatesFillAndGiveTheirValuesBack) {
    const struct {
        const char* text;
        std::vector<std::string> values;
        std::string filled;
    } cases[] = {
        {kTooFewValuesReason, {"12", "342"}, "It holds 12 of the 342 values of a game file."},
        {kTooLargeReason, {"3"}, "It is larger than 3 MiB."},
        {kNotTextReason, {}, "It is not a text file."},
        // A value holding a marker, or the template's own words, stays as it is.
        {"An earlier save of %1.", {"%2 of the.txt"}, "An earlier save of %2 of the.txt."},
        {"Player %1's %2 hold %3: a count.",
         {"3", "points", "x: a count"},
         "Player 3's points hold x: a count: a count."},
        {"%1: %2", {"a: b.txt", ""}, "a: b.txt: "},
        // Markers out of order take their own value.
        {"%2 before %1", {"one", "two"}, "two before one"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filledEnglish(c.text, c.values), c.filled) << c.text;
        const auto back = valuesIn(c.text, c.filled);
        ASSERT_TRUE(back) << c.text;
        EXPECT_EQ(filledEnglish(c.text, *back), c.filled) << c.text;
    }
    EXPECT_EQ(*valuesIn(kTooFewValuesReason, "It holds 12 of the 342 values of a game file."),
              (std::vector<std::string>{"12", "342"}));
    EXPECT_EQ(*valuesIn("%2 before %1", "two before one"),
              (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(reasonText({NotAGameFile::TooFewValues, 12}),
              "It holds 12 of the 342 values of a game file.");

    // Texts that are no fill of the template.
    for (const char* other :
         {"It holds 12 of the 342 values of a game.", "It is larger than", "Permission denied",
          "It holds 12 of the 342 values of a game file. "})
        EXPECT_FALSE(valuesIn(kTooFewValuesReason, other)) << other;
    EXPECT_FALSE(valuesIn(kNotTextReason, "It is not a text file"));
    // A marker without a value is kept.
    EXPECT_EQ(filledEnglish("%1 and %2", {"a"}), "a and %2");
}
