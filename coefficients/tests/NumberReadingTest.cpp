#include "coefficients/NumberReading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "coefficients/tests/NumberOracle.h"

namespace alkynes {
namespace {

using namespace std::string_literals;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

static_assert(noexcept(TextValue("")) && noexcept(RoundedTextValue("")) && noexcept(
    ReadCoefficient("")) && noexcept(RoundToInt16(0.0)));

TEST(TextValue, ReadsDecimalNumbers) {
    EXPECT_EQ(TextValue("12"), 12.0);
    EXPECT_EQ(TextValue("-3"), -3.0);
    EXPECT_EQ(TextValue("+4"), 4.0);
    EXPECT_EQ(TextValue("2.5"), 2.5);
    EXPECT_EQ(TextValue(".5"), 0.5);
    EXPECT_EQ(TextValue("5."), 5.0);
    EXPECT_EQ(TextValue("-.25"), -0.25);
    EXPECT_EQ(TextValue("007"), 7.0);
    EXPECT_EQ(TextValue("0.1"), 0.1);
    EXPECT_EQ(TextValue("123456789012345678"), 123456789012345678.0);
}

TEST(TextValue, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
    EXPECT_EQ(TextValue("1 2"), 12.0);
    EXPECT_EQ(TextValue(" \t\n3"), 3.0);
    EXPECT_EQ(TextValue("1\t2\n3"), 123.0);
    EXPECT_EQ(TextValue("- 3"), -3.0);
    EXPECT_EQ(TextValue("1 . 5"), 1.5);
    EXPECT_EQ(TextValue("1 e - 2"), 0.01);
    EXPECT_EQ(TextValue("& H 1 F"), 31.0);
    EXPECT_EQ(TextValue("&\tO\n1 7"), 15.0);
}

TEST(TextValue, OtherWhiteSpaceEndsTheNumber) {
    EXPECT_EQ(TextValue("1\r2"), 1.0);
    EXPECT_EQ(TextValue("1\v2"), 1.0);
    EXPECT_EQ(TextValue("1\f2"), 1.0);
    EXPECT_EQ(TextValue("\r5"), 0.0);
    EXPECT_EQ(TextValue("1\xC2\xA0"
                        "2"),
              1.0);  // no-break space
}

TEST(TextValue, StopsAtTheFirstCharacterThatDoesNotFit) {
    EXPECT_EQ(TextValue("2x"), 2.0);
    EXPECT_EQ(TextValue("12%"), 12.0);
    EXPECT_EQ(TextValue("2,5"), 2.0);
    EXPECT_EQ(TextValue("1,000"), 1.0);
    EXPECT_EQ(TextValue("1.2.3"), 1.2);
    EXPECT_EQ(TextValue("3-4"), 3.0);
    EXPECT_EQ(TextValue("5"
                        "\0"
                        "7"s),
              5.0);
    EXPECT_EQ(TextValue("6\xFF"
                        "1"),
              6.0);
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
    EXPECT_EQ(TextValue("1e2"), 100.0);
    EXPECT_EQ(TextValue("1E2"), 100.0);
    EXPECT_EQ(TextValue("1d2"), 100.0);
    EXPECT_EQ(TextValue("1D2"), 100.0);
    EXPECT_EQ(TextValue("1.5D-1"), 0.15);
    EXPECT_EQ(TextValue("2e+3"), 2000.0);
    EXPECT_EQ(TextValue(".5e1"), 5.0);
    EXPECT_EQ(TextValue("1e2.5"), 100.0);
    EXPECT_EQ(TextValue("1e0002"), 100.0);
}

TEST(TextValue, IgnoresAnExponentLetterWithoutDigits) {
    EXPECT_EQ(TextValue("1e"), 1.0);
    EXPECT_EQ(TextValue("1e+"), 1.0);
    EXPECT_EQ(TextValue("1D-"), 1.0);
    EXPECT_EQ(TextValue("1ex5"), 1.0);
    EXPECT_EQ(TextValue("1ee2"), 1.0);
    EXPECT_EQ(TextValue("1e+-2"), 1.0);
}

TEST(TextValue, ReadsHexadecimalAndOctalWholeNumbers) {
    EXPECT_EQ(TextValue("&H1F"), 31.0);
    EXPECT_EQ(TextValue("&h1f"), 31.0);
    EXPECT_EQ(TextValue("&HFFFF"), 65535.0);
    EXPECT_EQ(TextValue("&H00000010"), 16.0);
    EXPECT_EQ(TextValue("&H1G"), 1.0);
    EXPECT_EQ(TextValue("&H1.5"), 1.0);
    EXPECT_EQ(TextValue("&HFFFFFFFFFFFFFFFF"), 18446744073709551615.0);
    EXPECT_EQ(TextValue("&O17"), 15.0);
    EXPECT_EQ(TextValue("&o777"), 511.0);
    EXPECT_EQ(TextValue("&O78"), 7.0);
    EXPECT_EQ(TextValue("&O1777777777777777777777"), 18446744073709551615.0);
    EXPECT_EQ(TextValue("&O12345670"), 2739128.0);
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
    EXPECT_EQ(TextValue("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(TextValue("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(TextValue("2.2250738585072014e-308"), std::numeric_limits<double>::min());
    // 2^53 + 1 lies halfway between two doubles and goes to the even one;
    // anything above it, however far down, goes up.
    EXPECT_EQ(TextValue("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(TextValue("9007199254740993." + std::string(2000, '0') + "1"), 9007199254740994.0);
    EXPECT_EQ(TextValue("9007199254740993" + std::string(2000, '0') + "e-2000"),
              9007199254740992.0);
}

TEST(TextValue, OverlongNumbersGiveInfinityOrZero) {
    EXPECT_EQ(TextValue("1e999999999999999999"), kInfinity);
    EXPECT_EQ(TextValue("-1e999999999999999999"), -kInfinity);
    EXPECT_EQ(TextValue("1e-999999999999999999"), 0.0);
    EXPECT_EQ(TextValue("0e999999999999999999"), 0.0);
    EXPECT_EQ(TextValue("1.8e308"), kInfinity);
    EXPECT_EQ(TextValue("1e-400"), 0.0);
    EXPECT_EQ(TextValue("1e" + std::string(100000, '9')), kInfinity);
    EXPECT_EQ(TextValue("1e-" + std::string(100000, '9')), 0.0);
    EXPECT_EQ(TextValue(std::string(100000, '9')), kInfinity);
    EXPECT_EQ(TextValue("-" + std::string(1000000, '1')), -kInfinity);
    EXPECT_EQ(TextValue("&H" + std::string(100000, 'F')), kInfinity);
    EXPECT_EQ(TextValue("&O" + std::string(100000, '7')), kInfinity);
    EXPECT_EQ(TextValue("&H1" + std::string(255, '0')), std::ldexp(1.0, 1020));
    EXPECT_EQ(TextValue("&H1" + std::string(256, '0')), kInfinity);
    EXPECT_EQ(TextValue("&O1" + std::string(341, '0')), std::ldexp(1.0, 1023));
    EXPECT_EQ(TextValue("&O2" + std::string(341, '0')), kInfinity);
    EXPECT_EQ(TextValue("&O1" + std::string(344, '0')), kInfinity);
    EXPECT_EQ(TextValue("&H" + std::string(100000, '0') + "1"), 1.0);
    EXPECT_EQ(TextValue("&O" + std::string(100000, '0') + "17"), 15.0);
}

TEST(TextValue, KeepsTrackOfTheExponentOverLongDigitRuns) {
    // 10^-10001 times 10^10005.
    EXPECT_EQ(TextValue("0." + std::string(10000, '0') + "1e10005"), 1e4);
    // 10^400 times 10^-400.
    EXPECT_EQ(TextValue("1" + std::string(400, '0') + "e-400"), 1.0);
    EXPECT_EQ(TextValue(std::string(5000, '0') + "42"), 42.0);
    EXPECT_EQ(TextValue("42" + std::string(300, '0') + "e-300"), 42.0);
}

TEST(RoundToInt16, RoundsHalfToEven) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(1.5), 2);
    EXPECT_EQ(RoundToInt16(-0.5), 0);
    EXPECT_EQ(RoundToInt16(-1.5), -2);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(0.6), 1);
    EXPECT_EQ(RoundToInt16(0.4), 0);
    EXPECT_EQ(RoundToInt16(1.4999999999999998), 1);
    EXPECT_EQ(RoundToInt16(-0.0), 0);
    EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::denorm_min()), 0);
}

TEST(RoundToInt16, GivesNothingOutsideTheSixteenBitRange) {
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(RoundToInt16(-32768.6), std::nullopt);
    EXPECT_EQ(RoundToInt16(-32769.5), std::nullopt);
    EXPECT_EQ(RoundToInt16(40000.0), std::nullopt);
    EXPECT_EQ(RoundToInt16(1e300), std::nullopt);
    EXPECT_EQ(RoundToInt16(-1e300), std::nullopt);
    EXPECT_EQ(RoundToInt16(kInfinity), std::nullopt);
    EXPECT_EQ(RoundToInt16(-kInfinity), std::nullopt);
    EXPECT_EQ(RoundToInt16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(RoundedTextValue, RoundsTheExactTypedNumber) {
    EXPECT_EQ(RoundedTextValue("2.5"), 2);
    EXPECT_EQ(RoundedTextValue("3.5"), 4);
    EXPECT_EQ(RoundedTextValue("0.5"), 0);
    EXPECT_EQ(RoundedTextValue("0.6"), 1);
    EXPECT_EQ(RoundedTextValue("0.4"), 0);
    EXPECT_EQ(RoundedTextValue("-0.6"), -1);
    EXPECT_EQ(RoundedTextValue("-2.5"), -2);
    EXPECT_EQ(RoundedTextValue("5e-1"), 0);
    EXPECT_EQ(RoundedTextValue("15e-1"), 2);
    EXPECT_EQ(RoundedTextValue("25D-1"), 2);
    EXPECT_EQ(RoundedTextValue("0.05e1"), 0);
    EXPECT_EQ(RoundedTextValue("1e4"), 10000);
    EXPECT_EQ(RoundedTextValue("0.00000000000000000000000000000000000001"), 0);
    EXPECT_EQ(RoundedTextValue("abc"), 0);
    // Above one half, and below three and a half, by less than a double shows.
    EXPECT_EQ(RoundedTextValue("0.5000000000000000001"), 1);
    EXPECT_EQ(RoundToInt16(TextValue("0.5000000000000000001")), 0);
    EXPECT_EQ(RoundedTextValue("3.4999999999999999999"), 3);
    EXPECT_EQ(RoundToInt16(TextValue("3.4999999999999999999")), 4);
    // A difference far beyond the kept digits still counts.
    EXPECT_EQ(RoundedTextValue("0.5" + std::string(5000, '0') + "1"), 1);
    EXPECT_EQ(RoundedTextValue("2.5" + std::string(5000, '0')), 2);
    EXPECT_EQ(RoundedTextValue("2.5" + std::string(5000, '0') + "1"), 3);
    EXPECT_EQ(RoundedTextValue("1" + std::string(1000, '0') + "e-1000"), 1);
    EXPECT_EQ(RoundedTextValue("0." + std::string(1000, '0') + "5e1001"), 5);
}

TEST(RoundedTextValue, GivesNothingOutsideTheSixteenBitRange) {
    EXPECT_EQ(RoundedTextValue("32767.4"), 32767);
    EXPECT_EQ(RoundedTextValue("32767.5"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("3.27674e4"), 32767);
    EXPECT_EQ(RoundedTextValue("3.27675e4"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("-32768.5"), -32768);
    EXPECT_EQ(RoundedTextValue("-32768.50000000000000000001"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("40000"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("1e5"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("99999.9"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("-99999.9"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("12345678901234567890"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("1e999999999999999999"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("1e-999999999999999999"), 0);
    EXPECT_EQ(RoundedTextValue(std::string(100000, '9')), std::nullopt);
}

TEST(RoundedTextValue, ReadsHexadecimalAndOctalWithinTheRange) {
    EXPECT_EQ(RoundedTextValue("&H7FFF"), 32767);
    EXPECT_EQ(RoundedTextValue("&h7fff"), 32767);
    EXPECT_EQ(RoundedTextValue("&H8000"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("&HFFFF"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("&H0000000000007FFF"), 32767);
    EXPECT_EQ(RoundedTextValue("&H10000"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("&O77777"), 32767);
    EXPECT_EQ(RoundedTextValue("&O100000"), std::nullopt);
    EXPECT_EQ(RoundedTextValue("&H"), 0);
    EXPECT_EQ(RoundedTextValue("&H" + std::string(100000, 'F')), std::nullopt);
    EXPECT_EQ(RoundedTextValue("&O" + std::string(100000, '0') + "3"), 3);
}

TEST(ReadCoefficient, AnEmptyOrBlankBoxCountsAsOne) {
    EXPECT_EQ(ReadCoefficient(""), 1);
    EXPECT_EQ(ReadCoefficient(" "), 1);
    EXPECT_EQ(ReadCoefficient("     "), 1);
}

TEST(ReadCoefficient, TrimsOnlySpaces) {
    EXPECT_EQ(ReadCoefficient(" 3 "), 3);
    EXPECT_EQ(ReadCoefficient("   12   "), 12);
    // A tab is not trimmed: the box is not empty, and holds no number.
    EXPECT_EQ(ReadCoefficient("\t"), 0);
    EXPECT_EQ(ReadCoefficient(" \t "), 0);
    EXPECT_EQ(ReadCoefficient("\n"), 0);
    EXPECT_EQ(ReadCoefficient("\t3"), 3);
}

TEST(ReadCoefficient, ReadsTheExamplesOfTheExercise) {
    EXPECT_EQ(ReadCoefficient("2x"), 2);
    EXPECT_EQ(ReadCoefficient("2,5"), 2);
    EXPECT_EQ(ReadCoefficient("2.5"), 2);
    EXPECT_EQ(ReadCoefficient("3.5"), 4);
    EXPECT_EQ(ReadCoefficient("0.6"), 1);
    EXPECT_EQ(ReadCoefficient("0.5"), 0);
    EXPECT_EQ(ReadCoefficient("0"), 0);
    EXPECT_EQ(ReadCoefficient("-1"), -1);
    EXPECT_EQ(ReadCoefficient("abc"), 0);
    EXPECT_EQ(ReadCoefficient("40000"), std::nullopt);
    EXPECT_EQ(ReadCoefficient("1e5"), std::nullopt);
    EXPECT_EQ(ReadCoefficient("1 2"), 12);
    EXPECT_EQ(ReadCoefficient("&H2"), 2);
}

}  // namespace
}  // namespace alkynes
