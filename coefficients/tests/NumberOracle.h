// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The long way round of the coefficient reading, for the tests and the fuzz
// target to compare RoundedTextValue with: the number a text begins with,
// read by the program's own reader, as its nearest double, and the rounding
// of a double to a 16-bit whole number.  Both ways agree except where the
// nearest double of a typed number lies exactly halfway between two whole
// numbers while the number itself does not.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace alkynes {

// The value of `text` as a double, correctly rounded from the exact number
// that was read.  A value beyond the range of double is plus or minus
// infinity, one too small for it is 0, and zero is always +0, never -0.
double TextValue(std::string_view text) noexcept;

// Rounds v to the nearest whole number, a value exactly halfway between two
// whole numbers going to the even one (2.5 gives 2, 3.5 gives 4, -0.5 gives
// 0).  Nothing when v is not finite or the rounded value lies outside
// -32768 to 32767.
std::optional<std::int16_t> RoundToInt16(double v) noexcept;

}  // namespace alkynes
