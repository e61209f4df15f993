// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "formats/encoding.h"

using namespace tallivant;

TEST(Windows1252, HighBlockHasItsOwnCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x80\x82\x83\x8A\x8C\x8E\x91\x92\x93\x94\x96\x97\x99\x9C\x9F"),
              "€‚ƒŠŒŽ‘’“”–—™œŸ");
    EXPECT_EQ(cp1252ToUtf8("\xA0\xC9\xE9\xF1\xFF"), "\u00A0Ééñÿ");
    EXPECT_EQ(cp1252ToUtf8("plain, \"ascii\"\r\n"), "plain, \"ascii\"\r\n");
}

TEST(Windows1252, UndefinedBytesAreKeptAsControlCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    // ...and they do not count as fitting the code page on the way back.
    for (const char* c : {"\u0081", "\u008D", "\u008F", "\u0090", "\u009D"})
        EXPECT_FALSE(utf8ToCp1252(c)) << c;
}

TEST(Windows1252, EveryDefinedByteComesBackThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1252ToUtf8(byte);
        EXPECT_TRUE(isValidUtf8(utf8)) << b;
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (undefined)
            EXPECT_FALSE(utf8ToCp1252(utf8)) << b;
        else
            EXPECT_EQ(utf8ToCp1252(utf8), byte) << b;
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageDoNotFit) {
    for (const char* text : {"Łukasz", "李明", "Ğ", "\u0080", "\u0100", "😀", "a\xFF"})
        EXPECT_FALSE(utf8ToCp1252(text)) << text;
    EXPECT_EQ(utf8ToCp1252("Zoë €5"), "Zo\xEB \x80"
                                      "5");
}

TEST(Utf8, WellFormedOnly) {
    for (const char* good : {"", "abc", "é", "€", "李", "😀", "\xF4\x8F\xBF\xBF", "\xEF\xBB\xBF"})
        EXPECT_TRUE(isValidUtf8(good)) << good;
    for (const char* bad :
         {"\x80", "\xC3", "a\xE2\x82", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xF0\x80\x80\x80",
          "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80", "\xFF", "\xC3\x28", "Zo\xEB"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}

TEST(Utf8, RepairReplacesOnlyTheBrokenBytes) {
    EXPECT_EQ(repairUtf8("Zo\xEB Léa \xE2\x82"), "Zo\uFFFD Léa \uFFFD\uFFFD");
    EXPECT_EQ(repairUtf8("李明 😀"), "李明 😀");
}

TEST(Utf8, LeftCharsCountsCharactersNotBytes) {
    EXPECT_EQ(leftChars("Müller-Lüdenscheidt", 13), "Müller-Lüdens");
    EXPECT_EQ(leftChars("😀😀😀", 2), "😀😀");
    EXPECT_EQ(leftChars("short  ", 13), "short  ");
    EXPECT_EQ(leftChars("", 13), "");
    EXPECT_EQ(leftChars("abc", 0), "");
    EXPECT_EQ(leftChars("a\xFF"
                        "bc",
                        2),
              "a\xFF");
}
