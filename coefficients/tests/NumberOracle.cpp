// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coefficients/tests/NumberOracle.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

#include "coefficients/NumberReading.h"

namespace alkynes {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Decimal exponents (of the form 0.ddd × 10^e) beyond which a double is
// certainly infinite or zero.
constexpr std::int64_t kOverflowExponent = 400;
constexpr std::int64_t kUnderflowExponent = -400;

// Converts characters that std::from_chars accepts; `overflow` is the
// answer when the result lies beyond the range of double.
double Convert(const char* first, const char* last, std::chars_format format, double overflow) {
    double value = 0;
    const auto result = std::from_chars(first, last, value, format);
    if (result.ec == std::errc::result_out_of_range) {
        return overflow;
    }
    return result.ec == std::errc() ? value : 0.0;
}

double DecimalValue(const reading::Decimal& decimal) {
    if (decimal.count == 0) {
        return 0.0;
    }
    double magnitude = 0.0;
    if (decimal.exponent > kOverflowExponent) {
        magnitude = kInfinity;
    } else if (decimal.exponent >= kUnderflowExponent) {
        std::array<char, reading::kKeptDigits + 32> buffer{};
        char* out = buffer.data();
        *out++ = '0';
        *out++ = '.';
        for (std::size_t i = 0; i < decimal.count; ++i) {
            *out++ = decimal.digits[i];
        }
        *out++ = 'e';
        out = std::to_chars(out, buffer.data() + buffer.size(), decimal.exponent).ptr;
        magnitude = Convert(buffer.data(), out, std::chars_format::general,
                            decimal.exponent > 0 ? kInfinity : 0.0);
    }
    if (magnitude == 0.0) {
        return 0.0;
    }
    return decimal.negative ? -magnitude : magnitude;
}

double WholeValue(const reading::Whole& whole) {
    if (whole.huge) {
        return kInfinity;
    }
    if (whole.count == 0) {
        return 0.0;
    }
    return Convert(whole.hex.data(), whole.hex.data() + whole.count, std::chars_format::hex,
                   kInfinity);
}

}  // namespace

double TextValue(std::string_view text) noexcept {
    const reading::Number number = reading::ReadNumber(text);
    if (number.kind == reading::Number::Kind::Decimal) {
        return DecimalValue(number.decimal);
    }
    return number.kind == reading::Number::Kind::Whole ? WholeValue(number.whole) : 0.0;
}

std::optional<std::int16_t> RoundToInt16(double v) noexcept {
    // The bounds keep floor exact and the subtraction below free of error.
    if (!std::isfinite(v) || v < -40000.0 || v > 40000.0) {
        return std::nullopt;
    }
    double rounded = std::floor(v);
    const double fraction = v - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace alkynes
