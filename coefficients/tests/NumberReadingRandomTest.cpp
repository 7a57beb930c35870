// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Randomized tests of the number reading.  Every test draws from the same
// seed: a fixed default, or the value of ALKYNES_SEED; the number of draws
// is ALKYNES_RANDOM_COUNT, by default a million hostile texts and a quarter
// of that for each test of well-formed numbers.  A failure shows the seed,
// the draw and the text that was read.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "coefficients/NumberReading.h"
#include "coefficients/tests/NumberOracle.h"

namespace alkynes {
namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr std::uint64_t kDefaultCount = 1'000'000;

std::uint64_t FromEnvironment(const char* name, std::uint64_t otherwise) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return otherwise;
    }
    const std::string_view text(value);
    std::uint64_t number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    return ec == std::errc() && end == text.data() + text.size() ? number : otherwise;
}

std::uint64_t Seed() {
    return FromEnvironment("ALKYNES_SEED", kDefaultSeed);
}
// The hostile texts take the full count; the tests of well-formed numbers,
// which aim at narrower targets, a quarter of it each.
std::uint64_t Count() {
    return FromEnvironment("ALKYNES_RANDOM_COUNT", kDefaultCount);
}
std::uint64_t QuarterCount() {
    return (Count() + 3) / 4;
}

std::string SeedNote() {
    return "seed " + std::to_string(Seed()) + " (set ALKYNES_SEED to repeat)";
}

// A text as C++ would write it, shortened when long.
std::string Shown(std::string_view text) {
    constexpr std::size_t kShown = 160;
    std::string shown = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 0xF];
        }
    }
    shown += '"';
    if (text.size() > kShown) {
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return shown;
}

// Names the draw and the text of a failure.
std::string Where(std::uint64_t draw, std::string_view text) {
    return "draw " + std::to_string(draw) + ", text " + Shown(text);
}

// A small fast generator (SplitMix64): the tests draw tens of millions of
// numbers, also in unoptimised builds.
class Random {
  public:
    Random() : state_(Seed()) {}

    std::uint64_t Bits() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // 0 to n - 1, for small n (the bias is far below anything that matters).
    int Below(int n) { return static_cast<int>((Bits() >> 16) % static_cast<std::uint64_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    char Pick(std::string_view from) {
        return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))];
    }
    double Real(double low, double high) {
        return low + (high - low) * static_cast<double>(Bits() >> 11) * 0x1p-53;
    }
    std::size_t Position(std::size_t size) {
        return static_cast<std::size_t>(Below(static_cast<int>(size) + 1));
    }

  private:
    std::uint64_t state_;
};

// Runs `body(random, draw)` for `count` draws of the seeded generator,
// up to the first fatal failure.
template <class Body>
void ForEachDraw(std::uint64_t count, Body body) {
    SCOPED_TRACE(SeedNote());
    Random random;
    for (std::uint64_t draw = 0; draw < count && !::testing::Test::HasFatalFailure(); ++draw) {
        body(random, draw);
    }
}

const std::string_view kDigits = "0123456789";
const std::string_view kBlanks = " \t\n";
// Characters that can never continue a number, whatever came before.
constexpr char kStopChars[] = ",xXgG#\r\v;*/=_\0\x80\xFF";
const std::string_view kStops(kStopChars, sizeof kStopChars - 1);

constexpr char kAlphabetChars[] = "0123456789+-.eEdDhHoO&aAbBcCfFxX ,\t\n\r\0\x80\xC3\xFF";
const std::string_view kAlphabet(kAlphabetChars, sizeof kAlphabetChars - 1);

// Appends n random decimal digits, sixteen from each draw.
void AppendDigits(Random& random, std::string& text, int n) {
    while (n > 0) {
        std::uint64_t bits = random.Bits();
        for (int i = 0; i < 16 && n > 0; ++i, --n, bits >>= 4) {
            text += static_cast<char>('0' + (bits & 0xF) % 10);
        }
    }
}

// A text made to hit the corners of the reading: pieces of numbers, signs,
// points, exponents with many digits, ampersand prefixes, blanks, control
// characters, NUL, bytes of invalid UTF-8 and long runs.
std::string HostileText(Random& random) {
    const bool longOne = random.Below(2000) == 0;
    const int pieces = longOne ? random.Between(5, 30) : random.Below(9);
    std::string text;
    for (int p = 0; p < pieces; ++p) {
        switch (random.Below(10)) {
            case 0:
            case 1:
                for (int n = random.Between(1, 4); n > 0; --n) {
                    text += random.Pick(kAlphabet);
                }
                break;
            case 2:
                text.append(static_cast<std::size_t>(random.Between(1, longOne ? 5000 : 30)),
                            random.Pick(kAlphabet));
                break;
            case 3:
                AppendDigits(random, text, random.Between(1, longOne ? 3000 : 25));
                break;
            case 4:
                text += random.Pick("+-");
                break;
            case 5:
                text += '&';
                text += random.Pick("hHoO");
                for (int n = random.Below(longOne ? 400 : 8); n > 0; --n) {
                    text += random.Pick("0123456789abcdefABCDEF");
                }
                break;
            case 6:
                text += random.Pick("eEdD");
                if (random.Chance(50)) {
                    text += random.Pick("+-");
                }
                for (int n = random.Below(25); n > 0; --n) {
                    text += random.Pick(kDigits);
                }
                break;
            case 7:
                text += '.';
                break;
            case 8:
                text += random.Pick(kBlanks);
                break;
            default:
                text += static_cast<char>(random.Chance(20) ? 0 : random.Between(0x80, 0xFF));
                break;
        }
    }
    return text;
}

// The text with up to eight blanks put in at random places.
std::string WithBlanksInserted(Random& random, std::string_view text) {
    std::string out(text);
    for (int n = random.Below(9); n > 0; --n) {
        out.insert(random.Position(out.size()), 1, random.Pick(kBlanks));
    }
    return out;
}

// The text with the case of its ASCII letters swapped at random.
std::string WithCaseSwapped(Random& random, std::string_view text) {
    std::string out(text);
    std::uint64_t coin = random.Bits();
    for (std::size_t i = 0; i < out.size(); ++i, coin = coin >> 1 | coin << 63) {
        const char c = out[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter && (coin & 1) != 0) {
            out[i] = static_cast<char>(c ^ 0x20);
        }
    }
    return out;
}

// A character that ends every number, then a few more of any kind.
std::string Junk(Random& random) {
    std::string junk(1, random.Pick(kStops));
    for (int n = random.Below(6); n > 0; --n) {
        junk += random.Pick(kAlphabet);
    }
    return junk;
}

// Whether the exact number read rounds as its nearest double does.  They
// can differ only when the double is exactly halfway between two whole
// numbers while the typed number was not.
bool RoundsLikeItsDouble(std::optional<std::int16_t> exact, double v) {
    return RoundToInt16(v) == exact || v - std::floor(v) == 0.5;
}

TEST(NumberReadingRandom, HostileTextsReadConsistently) {
    ForEachDraw(Count(), [](Random& random, std::uint64_t draw) {
        const std::string text = HostileText(random);
        const double value = TextValue(text);
        const std::optional<std::int16_t> rounded = RoundedTextValue(text);

        ASSERT_FALSE(std::isnan(value)) << Where(draw, text);
        ASSERT_FALSE(std::signbit(value) && value == 0.0) << Where(draw, text);
        if (rounded) {
            ASSERT_LE(std::fabs(value - *rounded), 0.5)
                << Where(draw, text) << ", read " << *rounded;
        } else {
            ASSERT_TRUE(value >= 32767.5 || value <= -32768.5)
                << Where(draw, text) << ", value " << value;
        }
        ASSERT_TRUE(RoundsLikeItsDouble(rounded, value))
            << Where(draw, text) << ", value " << value;

        const bool blank = text.find_first_not_of(' ') == std::string::npos;
        ASSERT_EQ(ReadCoefficient(text), blank ? std::optional<std::int16_t>(1) : rounded)
            << Where(draw, text);

        const std::string spaced = WithBlanksInserted(random, text);
        ASSERT_EQ(TextValue(spaced), value)
            << Where(draw, text) << ", with blanks " << Shown(spaced);
        ASSERT_EQ(RoundedTextValue(spaced), rounded)
            << Where(draw, text) << ", with blanks " << Shown(spaced);

        const std::string swapped = WithCaseSwapped(random, text);
        ASSERT_EQ(TextValue(swapped), value) << Where(draw, text) << ", swapped " << Shown(swapped);

        const std::string longer = text + Junk(random);
        ASSERT_EQ(TextValue(longer), value)
            << Where(draw, text) << ", followed by " << Shown(longer);
        ASSERT_EQ(RoundedTextValue(longer), rounded)
            << Where(draw, text) << ", followed by " << Shown(longer);

        if (!text.empty() && (kDigits.find(text[0]) != std::string_view::npos || text[0] == '.')) {
            ASSERT_EQ(TextValue("-" + text), -value) << Where(draw, text);
            ASSERT_EQ(TextValue("+" + text), value) << Where(draw, text);
        }
    });
}

TEST(NumberReadingRandom, SixteenBitIntegersReadBackExactly) {
    ForEachDraw(QuarterCount(), [](Random& random, std::uint64_t draw) {
        const auto k = static_cast<std::int16_t>(random.Between(-32768, 32767));
        std::string digits = std::to_string(k < 0 ? -static_cast<int>(k) : k);
        digits.insert(0, static_cast<std::size_t>(random.Below(4)), '0');
        std::string text = k < 0 ? "-" : (random.Chance(20) ? "+" : "");
        text += digits;
        switch (random.Below(5)) {
            case 0:
                text += '.';
                text.append(static_cast<std::size_t>(random.Below(6)), '0');
                break;
            case 1:
                text += random.Pick("eEdD");
                text += random.Chance(50) ? "+" : (random.Chance(50) ? "-" : "");
                text.append(static_cast<std::size_t>(random.Between(1, 3)), '0');
                break;
            default:
                break;
        }
        text = WithBlanksInserted(random, text);
        if (random.Chance(50)) {
            text += Junk(random);
        }
        const std::string box = std::string(static_cast<std::size_t>(random.Below(3)), ' ') + text +
                                std::string(static_cast<std::size_t>(random.Below(3)), ' ');

        ASSERT_EQ(TextValue(text), k) << Where(draw, text);
        ASSERT_EQ(RoundedTextValue(text), k) << Where(draw, text);
        ASSERT_EQ(ReadCoefficient(box), k) << Where(draw, text);
    });
}

// The shortest, fixed and scientific printouts of random doubles, with D
// or d as well as E and e for the exponent.
TEST(NumberReadingRandom, DoublesReadBackExactly) {
    ForEachDraw(QuarterCount(), [](Random& random, std::uint64_t draw) {
        double d = 0;
        switch (random.Below(4)) {
            case 0:
            case 1:
                do {
                    d = std::bit_cast<double>(random.Bits());
                } while (!std::isfinite(d));
                break;
            case 2:
                d = random.Real(-40000.0, 40000.0);
                break;
            default:
                d = random.Between(-80000, 80000) / 2.0;
                break;
        }
        char buffer[400];
        std::to_chars_result printed{};
        switch (random.Below(4)) {
            case 0:
                printed =
                    std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::fixed);
                break;
            case 1:
                printed = std::to_chars(buffer, buffer + sizeof buffer, d,
                                        std::chars_format::scientific, 17);
                break;
            default:
                printed = std::to_chars(buffer, buffer + sizeof buffer, d);
                break;
        }
        ASSERT_EQ(printed.ec, std::errc()) << d;
        std::string text(buffer, printed.ptr);
        if (const auto e = text.find('e'); e != std::string::npos) {
            text[e] = random.Pick("eEdD");
        }

        ASSERT_EQ(TextValue(text), d) << Where(draw, text);
        // The printout is the decimal number nearest to d: it rounds as d
        // does, halfway cases included.
        ASSERT_EQ(RoundedTextValue(text), RoundToInt16(d)) << Where(draw, text);
    });
}

// "&H" and "&O" printouts of random whole numbers of every length up to 64
// bits, with letters in either case and leading zeros.
TEST(NumberReadingRandom, HexadecimalAndOctalReadBack) {
    ForEachDraw(QuarterCount(), [](Random& random, std::uint64_t draw) {
        const std::uint64_t u = random.Bits() >> random.Below(64);
        const bool hex = random.Chance(50);
        char buffer[32];
        const auto printed = std::to_chars(buffer, buffer + sizeof buffer, u, hex ? 16 : 8);
        ASSERT_EQ(printed.ec, std::errc());
        std::string text = hex ? "&H" : "&O";
        text.append(static_cast<std::size_t>(random.Below(4)), '0');
        text.append(buffer, printed.ptr);
        text = WithCaseSwapped(random, text);
        if (random.Chance(30)) {
            text += Junk(random);
        }

        ASSERT_EQ(TextValue(text), static_cast<double>(u)) << Where(draw, text);
        const std::optional<std::int16_t> expected =
            u <= 32767 ? std::optional<std::int16_t>(static_cast<std::int16_t>(u)) : std::nullopt;
        ASSERT_EQ(RoundedTextValue(text), expected) << Where(draw, text);
    });
}

// Numbers at, just above and just below halfway between two whole numbers,
// the difference sometimes hundreds of digits down.
TEST(NumberReadingRandom, HalvesRoundToEvenAndAnythingAboveRoundsUp) {
    ForEachDraw(QuarterCount(), [](Random& random, std::uint64_t draw) {
        const int whole = random.Between(0, 40000);
        const bool negative = random.Chance(50);
        const std::size_t zeros =
            static_cast<std::size_t>(random.Chance(1) ? random.Below(2000) : random.Below(30));
        std::string text = (negative ? "-" : "") + std::to_string(whole);
        int magnitude = whole;
        switch (random.Below(4)) {
            case 0:  // exactly half
                text += ".5" + std::string(zeros, '0');
                magnitude += whole % 2;
                break;
            case 1:  // above half
                text += ".5" + std::string(zeros, '0') + random.Pick("123456789");
                magnitude += 1;
                break;
            case 2:  // below half
                text += ".4" + std::string(zeros + 1, '9');
                break;
            default:  // exactly half, written with an exponent
                text += "5" + std::string(zeros, '0') + "e-" + std::to_string(zeros + 1);
                magnitude += whole % 2;
                break;
        }
        const int value = negative ? -magnitude : magnitude;
        const std::optional<std::int16_t> expected =
            value >= -32768 && value <= 32767
                ? std::optional<std::int16_t>(static_cast<std::int16_t>(value))
                : std::nullopt;
        ASSERT_EQ(RoundedTextValue(text), expected) << Where(draw, text);
    });
}

// With at most 15 significant digits the nearest double of a number is
// never nearer to a halfway point than the number itself is, so both ways
// of rounding agree.
TEST(NumberReadingRandom, ShortDecimalsRoundLikeTheirDoubles) {
    ForEachDraw(QuarterCount(), [](Random& random, std::uint64_t draw) {
        std::string digits;
        for (int n = random.Between(1, 15); n > 0; --n) {
            digits += random.Pick(kDigits);
        }
        digits.insert(random.Position(digits.size()), 1, '.');
        std::string text = random.Chance(50) ? "-" + digits : digits;
        if (random.Chance(60)) {
            text += random.Pick("eEdD") + std::to_string(random.Between(-20, 6));
        }
        ASSERT_EQ(RoundedTextValue(text), RoundToInt16(TextValue(text))) << Where(draw, text);
    });
}

}  // namespace
}  // namespace alkynes
