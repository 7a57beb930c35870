// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coefficients/NumberReading.h"

#include <array>
#include <cstddef>
#include <limits>

namespace alkynes::reading {
namespace {

// Exponents saturate here: far beyond what any double can show, far from
// the limits of std::int64_t.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000;

constexpr bool IsBlank(int c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool IsDecimalDigit(int c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsOctalDigit(int c) {
    return c >= '0' && c <= '7';
}
constexpr bool IsHexDigit(int c) {
    return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
constexpr bool IsExponentLetter(int c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Walks through a text from left to right, passing over blanks wherever
// they stand.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    // The next character that is not a blank, as an unsigned byte, or -1
    // at the end of the text.
    int Peek() {
        while (pos_ < text_.size() && IsBlank(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
    }

    // Moves past the character that Peek returned.
    void Next() { ++pos_; }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

static_assert((kKeptOctalDigits * 3 + 3) / 4 <= std::tuple_size_v<decltype(Whole::hex)>);

void ReadHexadecimal(Reader& in, Whole& whole) {
    for (int c = in.Peek(); IsHexDigit(c); c = in.Peek()) {
        in.Next();
        if (whole.count == 0 && c == '0') {
            continue;
        }
        if (whole.count < kKeptHexDigits) {
            whole.hex[whole.count++] = static_cast<char>(c);
        } else {
            whole.huge = true;
        }
    }
}

// Octal digits are turned into hexadecimal ones: four octal digits are
// twelve bits, three hexadecimal digits.
void ReadOctal(Reader& in, Whole& whole) {
    std::array<char, kKeptOctalDigits + 3> octal{};
    std::size_t count = 0;
    for (int c = in.Peek(); IsOctalDigit(c); c = in.Peek()) {
        in.Next();
        if (count == 0 && c == '0') {
            continue;
        }
        if (count < kKeptOctalDigits) {
            octal[count++] = static_cast<char>(c);
        } else {
            whole.huge = true;
        }
    }
    if (whole.huge) {
        return;
    }
    const std::size_t padding = (4 - count % 4) % 4;
    unsigned group = 0;
    constexpr char kHexDigits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < padding + count; ++i) {
        const unsigned digit = i < padding ? 0u : static_cast<unsigned>(octal[i - padding] - '0');
        group = group * 8 + digit;
        if (i % 4 == 3) {
            for (int shift = 8; shift >= 0; shift -= 4) {
                const char h = kHexDigits[(group >> shift) & 0xF];
                if (whole.count != 0 || h != '0') {
                    whole.hex[whole.count++] = h;
                }
            }
            group = 0;
        }
    }
}

// The digits and the point; true when significant digits were cut off
// beyond those kept.
bool ReadMantissa(Reader& in, Decimal& decimal) {
    bool point = false;
    bool cutOff = false;
    for (int c = in.Peek();; c = in.Peek()) {
        if (IsDecimalDigit(c)) {
            if (decimal.count == 0 && c == '0') {
                // A leading zero: before the point it means nothing, after
                // it it moves the first significant digit one place down.
                if (point) {
                    --decimal.exponent;
                }
            } else {
                if (decimal.count < kKeptDigits) {
                    decimal.digits[decimal.count++] = static_cast<char>(c);
                } else if (c != '0') {
                    cutOff = true;
                }
                if (!point) {
                    ++decimal.exponent;
                }
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return cutOff;
        }
        in.Next();
    }
}

// The exponent after E or D, if any: its sign and digits, held at the limit.
std::int64_t ReadExponent(Reader& in) {
    if (!IsExponentLetter(in.Peek())) {
        return 0;
    }
    in.Next();
    bool negative = false;
    if (const int c = in.Peek(); c == '+' || c == '-') {
        negative = c == '-';
        in.Next();
    }
    std::int64_t exponent = 0;
    for (int c = in.Peek(); IsDecimalDigit(c); c = in.Peek()) {
        in.Next();
        if (exponent < kExponentLimit) {
            exponent = exponent * 10 + (c - '0');
        }
    }
    return negative ? -exponent : exponent;
}

void ReadDecimal(Reader& in, Decimal& decimal) {
    const bool cutOff = ReadMantissa(in, decimal);
    const std::int64_t exponent = ReadExponent(in);
    if (decimal.count != 0) {
        decimal.exponent += exponent;
    }
    if (cutOff) {
        decimal.digits[decimal.count++] = '1';
    } else {
        while (decimal.count != 0 && decimal.digits[decimal.count - 1] == '0') {
            --decimal.count;
        }
    }
    if (decimal.count == 0) {
        decimal.exponent = 0;
    }
}

}  // namespace

Number ReadNumber(std::string_view text) noexcept {
    Number number;
    Reader in(text);
    int c = in.Peek();
    if (c == '&') {
        in.Next();
        c = in.Peek();
        if (c == 'H' || c == 'h') {
            in.Next();
            number.kind = Number::Kind::Whole;
            ReadHexadecimal(in, number.whole);
        } else if (c == 'O' || c == 'o') {
            in.Next();
            number.kind = Number::Kind::Whole;
            ReadOctal(in, number.whole);
        }
        return number;
    }
    if (c == '+' || c == '-') {
        number.decimal.negative = c == '-';
        in.Next();
        c = in.Peek();
    }
    // A number needs a digit, possibly after the decimal point.
    Reader ahead = in;
    if (c == '.') {
        ahead.Next();
        c = ahead.Peek();
    }
    if (!IsDecimalDigit(c)) {
        return number;
    }
    number.kind = Number::Kind::Decimal;
    ReadDecimal(in, number.decimal);
    return number;
}

}  // namespace alkynes::reading

namespace alkynes {
namespace {

using reading::Decimal;
using reading::Number;
using reading::Whole;

std::optional<std::int16_t> InRange(std::int32_t v) {
    if (v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(v);
}

std::optional<std::int16_t> RoundDecimal(const Decimal& decimal) {
    if (decimal.count == 0) {
        return 0;
    }
    // 0.ddd × 10^6 is at least 100000: far outside the range.
    if (decimal.exponent > 5) {
        return std::nullopt;
    }
    // Below 0.1 in size: rounds to 0.
    if (decimal.exponent < 0) {
        return 0;
    }
    const auto wholeDigits = static_cast<std::size_t>(decimal.exponent);
    std::int32_t magnitude = 0;
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        magnitude = magnitude * 10 + (i < decimal.count ? decimal.digits[i] - '0' : 0);
    }
    // The fraction is 0.ddd from digit `wholeDigits` on; it has no trailing
    // zeros, so a 5 followed by anything is above one half.
    if (wholeDigits < decimal.count) {
        const char first = decimal.digits[wholeDigits];
        const bool more = wholeDigits + 1 < decimal.count;
        if (first > '5' || (first == '5' && (more || magnitude % 2 != 0))) {
            ++magnitude;
        }
    }
    return InRange(decimal.negative ? -magnitude : magnitude);
}

std::optional<std::int16_t> RoundWhole(const Whole& whole) {
    if (whole.huge || whole.count > 4) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (std::size_t i = 0; i < whole.count; ++i) {
        const char h = whole.hex[i];
        const int digit = h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10;
        value = value * 16 + digit;
    }
    return InRange(value);
}

}  // namespace

std::optional<std::int16_t> RoundedTextValue(std::string_view text) noexcept {
    const Number number = reading::ReadNumber(text);
    switch (number.kind) {
        case Number::Kind::Decimal:
            return RoundDecimal(number.decimal);
        case Number::Kind::Whole:
            return RoundWhole(number.whole);
        case Number::Kind::None:
            break;
    }
    return 0;
}

bool IsUnwrittenCoefficient(std::string_view boxText) noexcept {
    return boxText.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<std::int16_t> ReadCoefficient(std::string_view boxText) noexcept {
    if (IsUnwrittenCoefficient(boxText)) {
        return 1;
    }
    const std::size_t first = boxText.find_first_not_of(' ');
    const std::size_t last = boxText.find_last_not_of(' ');
    return RoundedTextValue(boxText.substr(first, last - first + 1));
}

}  // namespace alkynes
