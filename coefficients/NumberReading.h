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
//  * Zero is always +0, never -0.
//
// Every text has a value: any length, any bytes (invalid UTF-8 and NUL
// bytes included, which simply end the number).  Overlong numbers are
// handled without overflow: a value beyond the range of double is plus or
// minus infinity, one too small for it is 0, and the time taken grows
// linearly with the length of the text.  None of these functions throws.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace alkynes {

// The value of `text` as a double, correctly rounded from the exact number
// that was read.
double TextValue(std::string_view text) noexcept;

// Rounds v to the nearest whole number, a value exactly halfway between two
// whole numbers going to the even one (2.5 gives 2, 3.5 gives 4, -0.5 gives
// 0).  Nothing when v is not finite or the rounded value lies outside
// -32768 to 32767.
std::optional<std::int16_t> RoundToInt16(double v) noexcept;

// The value of `text` rounded like RoundToInt16, but from the exact decimal
// number that was typed rather than from its nearest double, so that
// "0.5000000000000000001" gives 1 (it is above one half) and "2.5" gives 2.
// Nothing when the rounded value lies outside -32768 to 32767.
std::optional<std::int16_t> RoundedTextValue(std::string_view text) noexcept;

// The coefficient typed into a box: the text without the space characters
// at its start and end (only spaces are removed); nothing left counts as 1,
// the coefficient that is not written; otherwise RoundedTextValue of it.
// A box holding only a tab is not empty: it reads 0.
std::optional<std::int16_t> ReadCoefficient(std::string_view boxText) noexcept;

}  // namespace alkynes
