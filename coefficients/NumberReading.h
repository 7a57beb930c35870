// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the numbers that the student types into the coefficient boxes.
//
// The value of a text is the usual reading of a number at its start:
//
//  * blanks (space), tabs and line feeds are passed over wherever they
//    stand, so "1 2" reads 12 and "- 3" reads -3; no other character is;
//  * an optional sign, then digits with at most one decimal point, always
//    the full stop ("2,5" reads 2: the comma ends the number), then
//    optionally an exponent: E or D in either case, an optional sign and
//    digits ("1.5D2" reads 150);
//  * alternatively "&H" followed by hexadecimal digits or "&O" followed by
//    octal digits, letters in either case, gives a whole number in that
//    base ("&H1f" reads 31, "&O17" reads 15);
//  * reading stops at the first character that does not fit, and the rest
//    of the text is ignored ("2x" reads 2);
//  * a text that does not begin with a number reads 0 ("abc", "", ".",
//    "-", "e5").
//
// Decisions on the corners of that reading:
//
//  * An exponent letter without digits after it is ignored together with
//    its sign: "1e" and "1e+" read 1, "1ex5" reads 1.
//  * "&H" or "&O" without digits reads 0, and so does "&" followed by any
//    other letter.
//  * Hexadecimal and octal numbers have no sign and are never negative:
//    "&HFFFF" is 65535, and a sign before the ampersand ("-&H10") is a sign
//    without digits, which reads 0.
//
// Every text has a value: any length, any bytes (invalid UTF-8 and NUL
// bytes included, which simply end the number).  Overlong numbers are
// handled without overflow, and the time taken grows linearly with the
// length of the text.  None of these functions throws.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace alkynes {

// The value of `text` rounded to the nearest whole number, a value exactly
// halfway between two whole numbers going to the even one ("2.5" gives 2,
// "3.5" gives 4, "-0.5" gives 0).  The exact decimal number that was typed
// is rounded, not its nearest double, so that "0.5000000000000000001"
// gives 1 (it is above one half).  Nothing when the rounded value lies
// outside -32768 to 32767.
std::optional<std::int16_t> RoundedTextValue(std::string_view text) noexcept;

// The coefficient typed into a box: the text without the space characters
// at its start and end (only spaces are removed); nothing left counts as 1,
// the coefficient that is not written; otherwise RoundedTextValue of it.
// A box holding only a tab is not empty: it reads 0.
std::optional<std::int16_t> ReadCoefficient(std::string_view boxText) noexcept;

// True when the box holds no coefficient at all: nothing, or only spaces
// (which ReadCoefficient reads as the unwritten 1).
bool IsUnwrittenCoefficient(std::string_view boxText) noexcept;

namespace reading {

// A decimal number keeps this many significant digits; any further nonzero
// digit is remembered as one extra digit 1.  That keeps every comparison
// with a halfway point between two doubles (at most 767 significant digits)
// and between two whole numbers exact, whatever the length of the text.
inline constexpr std::size_t kKeptDigits = 800;

// Hexadecimal digits beyond which a whole number is certainly larger than
// any double (16^257 > 2^1024), and the same for octal (8^345 > 2^1024).
inline constexpr std::size_t kKeptHexDigits = 257;
inline constexpr std::size_t kKeptOctalDigits = 345;

// A decimal number: 0.digits × 10^exponent, with no leading zeros and,
// unless more digits were cut off, no trailing zeros; no digits is zero.
struct Decimal {
    bool negative = false;
    std::array<char, kKeptDigits + 1> digits{};
    std::size_t count = 0;
    std::int64_t exponent = 0;
};

// A hexadecimal or octal number, as its hexadecimal digits without leading
// zeros; `huge` when it has more digits than any double can show.  The
// buffer also holds the 259 hexadecimal digits of the longest kept octal
// number (345 octal digits, at most 1035 bits).
struct Whole {
    std::array<char, kKeptHexDigits + 8> hex{};
    std::size_t count = 0;
    bool huge = false;
};

// The number at the start of a text, as it was typed.
struct Number {
    enum class Kind : std::uint8_t { None, Decimal, Whole };
    Kind kind = Kind::None;
    Decimal decimal;
    Whole whole;
};

// Reads the number at the start of `text`; a text that does not begin
// with a number gives Kind::None.
Number ReadNumber(std::string_view text) noexcept;

}  // namespace reading
}  // namespace alkynes
