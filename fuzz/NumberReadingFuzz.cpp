// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the reading of typed coefficients.  Build and run
// with fuzz/run.sh.  Besides the sanitizers' own checks it asserts the
// reading's promises: results in range, the exact and the double rounding
// agreeing away from halves, and blanks between characters changing nothing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "coefficients/NumberReading.h"
#include "coefficients/tests/NumberOracle.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double value = alkynes::TextValue(text);
    Require(!std::isnan(value));

    const auto exact = alkynes::RoundedTextValue(text);
    const auto rounded = alkynes::RoundToInt16(value);
    if (exact && rounded && std::fabs(value - std::trunc(value)) != 0.5) {
        Require(*exact == *rounded);
    }
    if (!exact) {
        Require(std::fabs(value) >= 32767.5);
    }

    const auto coefficient = alkynes::ReadCoefficient(text);
    (void)coefficient;

    // Blanks are passed over wherever they stand.
    if (size < 4096) {
        std::string spaced;
        for (char c : text) {
            spaced += c;
            spaced += ' ';
        }
        const double again = alkynes::TextValue(spaced);
        Require(again == value || (std::isinf(again) && std::isinf(value)));
    }
    return 0;
}
