// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coefficients/NumberReading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "coefficients/tests/NumberOracle.h"

namespace alkynes {
namespace {

using namespace std::string_literals;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

static_assert(noexcept(TextValue("")) && noexcept(RoundedTextValue("")) && noexcept(
    ReadCoefficient("")) && noexcept(RoundToInt16(0.0)));

// One case of a reading: an input and the value it must give.
using TextCase = std::pair<std::string, double>;
using RoundingCase = std::pair<std::string, std::optional<std::int16_t>>;
using DoubleCase = std::pair<double, std::optional<std::int16_t>>;

// Expects `read` to give every input of the table its value.
template <class Read, class Table>
void ExpectReadings(Read read, const Table& cases) {
    for (const auto& [input, value] : cases) {
        EXPECT_EQ(read(input), value) << "reading " << ::testing::PrintToString(input);
    }
}

TEST(TextValue, ReadsDecimalNumbers) {
    const TextCase cases[] = {
        {"12", 12.0},    {"-3", -3.0},
        {"+4", 4.0},     {"2.5", 2.5},
        {".5", 0.5},     {"5.", 5.0},
        {"-.25", -0.25}, {"007", 7.0},
        {"0.1", 0.1},    {"123456789012345678", 123456789012345678.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
    const TextCase cases[] = {
        {"1 2", 12.0},  {" \t\n3", 3.0},   {"1\t2\n3", 123.0}, {"- 3", -3.0},
        {"1 . 5", 1.5}, {"1 e - 2", 0.01}, {"& H 1 F", 31.0},  {"&\tO\n1 7", 15.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, OtherWhiteSpaceEndsTheNumber) {
    const TextCase cases[] = {
        {"1\r2", 1.0},
        {"1\v2", 1.0},
        {"1\f2", 1.0},
        {"\r5", 0.0},
        {"1\xC2\xA0"
         "2",  // no-break space
         1.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, StopsAtTheFirstCharacterThatDoesNotFit) {
    const std::string nul =
        "5\0"
        "7"s;
    const TextCase cases[] = {
        {"2x", 2.0},
        {"12%", 12.0},
        {"2,5", 2.0},
        {"1,000", 1.0},
        {"1.2.3", 1.2},
        {"3-4", 3.0},
        {nul, 5.0},
        {"6\xFF"
         "1",
         6.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, TextThatDoesNotBeginWithANumberReadsZero) {
    for (const std::string& text : {""s,
                                    "abc"s,
                                    "x1"s,
                                    "."s,
                                    ".."s,
                                    "-"s,
                                    "+"s,
                                    "--1"s,
                                    "+-1"s,
                                    "-+1"s,
                                    "-x"s,
                                    "$5"s,
                                    "e5"s,
                                    ".e5"s,
                                    "D2"s,
                                    " "s,
                                    "\t"s,
                                    "\n"s,
                                    "\0"
                                    "5"s,
                                    "\xCE\xB1"
                                    "1"s,
                                    ",5"s}) {
        EXPECT_EQ(TextValue(text), 0.0) << '"' << text << '"';
    }
}

TEST(TextValue, ReadsExponentsWithEOrDInEitherCase) {
    const TextCase cases[] = {
        {"1e2", 100.0},   {"1E2", 100.0}, {"1d2", 100.0},   {"1D2", 100.0},    {"1.5D-1", 0.15},
        {"2e+3", 2000.0}, {".5e1", 5.0},  {"1e2.5", 100.0}, {"1e0002", 100.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, IgnoresAnExponentLetterWithoutDigits) {
    for (const char* text : {"1e", "1e+", "1D-", "1ex5", "1ee2", "1e+-2"}) {
        EXPECT_EQ(TextValue(text), 1.0) << '"' << text << '"';
    }
}

TEST(TextValue, ReadsHexadecimalAndOctalWholeNumbers) {
    const TextCase cases[] = {
        {"&H1F", 31.0},
        {"&h1f", 31.0},
        {"&HFFFF", 65535.0},
        {"&H00000010", 16.0},
        {"&H1G", 1.0},
        {"&H1.5", 1.0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"&O17", 15.0},
        {"&o777", 511.0},
        {"&O78", 7.0},
        {"&O1777777777777777777777", 18446744073709551615.0},
        {"&O12345670", 2739128.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, AmpersandWithoutAValidNumberReadsZero) {
    for (const char* text :
         {"&", "&H", "&O", "&HG", "&O8", "&X1", "&B101", "&17", "&&H1", "-&H10", "+&O7", "& "}) {
        EXPECT_EQ(TextValue(text), 0.0) << '"' << text << '"';
    }
}

TEST(TextValue, ZeroIsNeverNegative) {
    EXPECT_FALSE(std::signbit(TextValue("-0")));
    EXPECT_FALSE(std::signbit(TextValue("-0.000e5")));
    EXPECT_FALSE(std::signbit(TextValue("-1e-999")));
}

TEST(TextValue, RoundsCorrectlyToTheNearestDouble) {
    // 2^53 + 1 lies halfway between two doubles and goes to the even one;
    // anything above it, however far down, goes up.
    const TextCase cases[] = {
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"2.2250738585072014e-308", std::numeric_limits<double>::min()},
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740993." + std::string(2000, '0') + "1", 9007199254740994.0},
        {"9007199254740993" + std::string(2000, '0') + "e-2000", 9007199254740992.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, OverlongNumbersGiveInfinityOrZero) {
    const TextCase cases[] = {
        {"1e999999999999999999", kInfinity},
        {"-1e999999999999999999", -kInfinity},
        {"1e-999999999999999999", 0.0},
        {"0e999999999999999999", 0.0},
        {"1.8e308", kInfinity},
        {"1e-400", 0.0},
        {"1e" + std::string(100000, '9'), kInfinity},
        {"1e-" + std::string(100000, '9'), 0.0},
        {std::string(100000, '9'), kInfinity},
        {"-" + std::string(1000000, '1'), -kInfinity},
        {"&H" + std::string(100000, 'F'), kInfinity},
        {"&O" + std::string(100000, '7'), kInfinity},
        {"&H1" + std::string(255, '0'), std::ldexp(1.0, 1020)},
        {"&H1" + std::string(256, '0'), kInfinity},
        {"&O1" + std::string(341, '0'), std::ldexp(1.0, 1023)},
        {"&O2" + std::string(341, '0'), kInfinity},
        {"&O1" + std::string(344, '0'), kInfinity},
        {"&H" + std::string(100000, '0') + "1", 1.0},
        {"&O" + std::string(100000, '0') + "17", 15.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(TextValue, KeepsTrackOfTheExponentOverLongDigitRuns) {
    const TextCase cases[] = {
        {"0." + std::string(10000, '0') + "1e10005", 1e4},  // 10^-10001 · 10^10005
        {"1" + std::string(400, '0') + "e-400", 1.0},       // 10^400 · 10^-400
        {std::string(5000, '0') + "42", 42.0},
        {"42" + std::string(300, '0') + "e-300", 42.0},
    };
    ExpectReadings(TextValue, cases);
}

TEST(RoundToInt16, RoundsHalfToEven) {
    const DoubleCase cases[] = {
        {2.5, 2},   {3.5, 4},
        {0.5, 0},   {1.5, 2},
        {-0.5, 0},  {-1.5, -2},
        {-2.5, -2}, {0.6, 1},
        {0.4, 0},   {1.4999999999999998, 1},
        {-0.0, 0},  {std::numeric_limits<double>::denorm_min(), 0},
    };
    ExpectReadings(RoundToInt16, cases);
}

TEST(RoundToInt16, GivesNothingOutsideTheSixteenBitRange) {
    const DoubleCase cases[] = {
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {-32769.5, std::nullopt},
        {40000.0, std::nullopt},
        {1e300, std::nullopt},
        {-1e300, std::nullopt},
        {kInfinity, std::nullopt},
        {-kInfinity, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    ExpectReadings(RoundToInt16, cases);
}

TEST(RoundedTextValue, RoundsTheExactTypedNumber) {
    const RoundingCase cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"0.5", 0},
        {"0.6", 1},
        {"0.4", 0},
        {"-0.6", -1},
        {"-2.5", -2},
        {"5e-1", 0},
        {"15e-1", 2},
        {"25D-1", 2},
        {"0.05e1", 0},
        {"1e4", 10000},
        {"0.00000000000000000000000000000000000001", 0},
        {"abc", 0},
    };
    ExpectReadings(RoundedTextValue, cases);
    // Above one half, and below three and a half, by less than a double shows.
    EXPECT_EQ(RoundedTextValue("0.5000000000000000001"), 1);
    EXPECT_EQ(RoundToInt16(TextValue("0.5000000000000000001")), 0);
    EXPECT_EQ(RoundedTextValue("3.4999999999999999999"), 3);
    EXPECT_EQ(RoundToInt16(TextValue("3.4999999999999999999")), 4);
    // A difference far beyond the kept digits still counts.
    const RoundingCase farDown[] = {
        {"0.5" + std::string(5000, '0') + "1", 1},     {"2.5" + std::string(5000, '0'), 2},
        {"2.5" + std::string(5000, '0') + "1", 3},     {"1" + std::string(1000, '0') + "e-1000", 1},
        {"0." + std::string(1000, '0') + "5e1001", 5},
    };
    ExpectReadings(RoundedTextValue, farDown);
}

TEST(RoundedTextValue, GivesNothingOutsideTheSixteenBitRange) {
    const RoundingCase cases[] = {
        {"32767.4", 32767},
        {"32767.5", std::nullopt},
        {"3.27674e4", 32767},
        {"3.27675e4", std::nullopt},
        {"-32768.5", -32768},
        {"-32768.50000000000000000001", std::nullopt},
        {"40000", std::nullopt},
        {"1e5", std::nullopt},
        {"99999.9", std::nullopt},
        {"-99999.9", std::nullopt},
        {"12345678901234567890", std::nullopt},
        {"1e999999999999999999", std::nullopt},
        {"1e-999999999999999999", 0},
        {std::string(100000, '9'), std::nullopt},
    };
    ExpectReadings(RoundedTextValue, cases);
}

TEST(RoundedTextValue, ReadsHexadecimalAndOctalWithinTheRange) {
    const RoundingCase cases[] = {
        {"&H7FFF", 32767},
        {"&h7fff", 32767},
        {"&H8000", std::nullopt},
        {"&HFFFF", std::nullopt},
        {"&H0000000000007FFF", 32767},
        {"&H10000", std::nullopt},
        {"&O77777", 32767},
        {"&O100000", std::nullopt},
        {"&H", 0},
        {"&H" + std::string(100000, 'F'), std::nullopt},
        {"&O" + std::string(100000, '0') + "3", 3},
    };
    ExpectReadings(RoundedTextValue, cases);
}

TEST(ReadCoefficient, AnEmptyOrBlankBoxCountsAsOne) {
    for (const char* box : {"", " ", "     "}) {
        EXPECT_EQ(ReadCoefficient(box), 1) << '"' << box << '"';
        EXPECT_TRUE(IsUnwrittenCoefficient(box)) << '"' << box << '"';
    }
    // A tab, a "1" or a text that reads 0 is written.
    for (const char* box : {"\t", " 1 ", "x", "0"}) {
        EXPECT_FALSE(IsUnwrittenCoefficient(box)) << '"' << box << '"';
    }
}

TEST(ReadCoefficient, TrimsOnlySpaces) {
    // A tab is not trimmed: the box is not empty, and holds no number.
    const RoundingCase cases[] = {
        {" 3 ", 3}, {"   12   ", 12}, {"\t", 0}, {" \t ", 0}, {"\n", 0}, {"\t3", 3},
    };
    ExpectReadings(ReadCoefficient, cases);
}

TEST(ReadCoefficient, ReadsTheExamplesOfTheExercise) {
    const RoundingCase cases[] = {
        {"2x", 2},
        {"2,5", 2},
        {"2.5", 2},
        {"3.5", 4},
        {"0.6", 1},
        {"0.5", 0},
        {"0", 0},
        {"-1", -1},
        {"abc", 0},
        {"40000", std::nullopt},
        {"1e5", std::nullopt},
        {"1 2", 12},
        {"&H2", 2},
    };
    ExpectReadings(ReadCoefficient, cases);
}

}  // namespace
}  // namespace alkynes
