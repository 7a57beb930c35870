// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The slot that a drop on each coefficient box fills.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/Design.h"

namespace alkynes {

// Box j lies in front of one formula of its reaction's equation; a piece
// dropped on it goes into that formula's slot.  A box in front of a formula
// that is printed in the picture, not dropped by the student, belongs to the
// neighbouring slot.  Every slot has at least one box.
inline constexpr std::array<std::int16_t, design::kBoxes> kCoefficientSlots = {
    0,  1,  1,            // reaction 0: boxes 0-2
    2,  2,  3,  3,        // reaction 1: boxes 3-6
    4,  4,  5,  5,  6,    // reaction 2: boxes 7-11
    7,  7,  8,  8,  9,    // reaction 3: boxes 12-16
    10, 10, 11, 11, 12};  // reaction 4: boxes 17-21

// The slot of box j, 0 to 21.
constexpr std::int16_t CoefficientSlot(int j) {
    return kCoefficientSlots.at(static_cast<std::size_t>(j));
}

}  // namespace alkynes
