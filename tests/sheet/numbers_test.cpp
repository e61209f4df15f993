// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "sheet/numbers.h"

using namespace tallivant;

TEST(LenientReading, TakesTheNumberAtTheStartOfTheText) {
    EXPECT_EQ(readLenient("12"), 12);
    EXPECT_EQ(readLenient("  7 players"), 7);
    EXPECT_EQ(readLenient("-3"), -3);
    EXPECT_EQ(readLenient("2.5.1"), 2.5);
    EXPECT_EQ(readLenient("66.67%"), 66.67);
    EXPECT_EQ(readLenient("1e2x"), 100);
    EXPECT_EQ(readLenient("4e"), 4);
}

TEST(LenientReading, TextWithoutALeadingNumberReadsAsZero) {
    EXPECT_EQ(readLenient(""), 0);
    EXPECT_EQ(readLenient("abc"), 0);
    EXPECT_EQ(readLenient("-"), 0);
    EXPECT_EQ(readLenient("."), 0);
    EXPECT_EQ(readLenient("inf"), 0);
    EXPECT_EQ(readLenient("nan"), 0);
    EXPECT_EQ(readLenient("1e999"), 0);
}

TEST(LenientReading, CommaIsNeverADecimalPoint) {
    EXPECT_EQ(readLenient("2,5"), 2);
}

TEST(StrictReading, AcceptsOnlyAWholeNumber) {
    EXPECT_EQ(readStrict("3"), 3.0);
    EXPECT_EQ(readStrict(" -1 "), -1.0);
    EXPECT_EQ(readStrict("+2.50"), 2.5);
    EXPECT_FALSE(readStrict(""));
    EXPECT_FALSE(readStrict("   "));
    EXPECT_FALSE(readStrict("3x"));
    EXPECT_FALSE(readStrict("abc"));
    EXPECT_FALSE(readStrict("50.00%"));
    EXPECT_FALSE(readStrict("nan"));
}

TEST(CountText, IsPlainDecimalWithoutBlankOrPoint) {
    EXPECT_EQ(formatCount(0), "0");
    EXPECT_EQ(formatCount(-0.0), "0");
    EXPECT_EQ(formatCount(1), "1");
    EXPECT_EQ(formatCount(12), "12");
    EXPECT_EQ(formatCount(-1), "-1");
    EXPECT_EQ(formatCount(123456789), "123456789");
    EXPECT_EQ(formatCount(readLenient("2.5") + 1), "3.5");
    EXPECT_EQ(formatCount(0.1 + 0.2), "0.3");
}

TEST(PercentText, RoundsTheFifteenDigitValueHalfAwayFromZero) {
    EXPECT_EQ(percentText(1, 32), "3.13%");
    EXPECT_EQ(percentText(3, 32), "9.38%");
    EXPECT_EQ(percentText(2, 3), "66.67%");
    EXPECT_EQ(percentText(1, 3), "33.33%");
    EXPECT_EQ(percentText(1, 8), "12.50%");
    EXPECT_EQ(percentText(1, 2), "50.00%");
    EXPECT_EQ(percentText(1, 1), "100.00%");
    EXPECT_EQ(percentText(0, 5), "0.00%");
    EXPECT_EQ(percentText(7, 16), "43.75%");
    EXPECT_EQ(percentText(1, 64), "1.56%"); // 1.5625 rounds up
    EXPECT_EQ(percentText(5, 1), "500.00%");
}

TEST(PercentText, NoAttemptsNeverDivides) {
    EXPECT_EQ(percentText(0, 0), "0.00%");
    EXPECT_EQ(percentText(3, 0), "0.00%");
    EXPECT_EQ(percentText(1, -1), "0.00%");
}

TEST(PercentText, QuotientsRoundOnTheirDecimalTextNotTheBinaryValue) {
    // 0.0005 as a double is 0.000499999..., but its fifteen-digit text is 0.0005.
    EXPECT_EQ(formatPercent(0.0005), "0.05%");
    EXPECT_EQ(formatPercent(0.00005), "0.01%");
    EXPECT_EQ(formatPercent(0.000049), "0.00%");
    EXPECT_EQ(formatPercent(1e-20), "0.00%");
    EXPECT_EQ(formatPercent(12345.678), "1234567.80%");
}

TEST(PercentText, NegativeQuotientsKeepTheirSignUnlessTheyRoundToZero) {
    EXPECT_EQ(formatPercent(-0.5), "-50.00%");
    EXPECT_EQ(formatPercent(-0.00001), "0.00%");
    EXPECT_EQ(formatPercent(-0.0), "0.00%");
}

TEST(PercentText, UsesTheCallersDecimalSeparator) {
    EXPECT_EQ(percentText(2, 3, ","), "66,67%");
    EXPECT_EQ(percentText(1, 1, ","), "100,00%");
}
