// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The answer key of the exercise, reaction by reaction.  Start-up copies
// the compounds and their marks into the slot table, the check grades and
// reveals the method texts with it, and the coefficient judge takes the
// ratio of each equation from it.  No other place holds these numbers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/Design.h"
#include "model/Structure.h"

namespace alkynes {

struct ReactionKey {
    // The compounds that belong in the reaction's slots, left to right; a
    // two-slot reaction leaves the last entry unused.
    std::array<std::int16_t, kMostSlots> compounds;
    // Marks for each slot that holds a right compound.
    std::int16_t slotPoints;
    // The last two slots take their two compounds in either order, but not
    // one compound twice; every other slot takes only its own compound.
    bool pairedLastTwo;
    // The right coefficients, box by box, in lowest terms: any whole
    // multiple of them is right as well.  A reaction with fewer boxes
    // leaves the last entries unused.
    std::array<std::int16_t, kMostBoxes> ratio;
    // Marks for right coefficients, given only when the compounds are right.
    std::int16_t coefficientMarks;
    // The method label (Label1 index) that shows while the reaction, and
    // every other reaction of the same method, is answered completely.
    std::int16_t methodLabel;
};

// clang-format off
inline constexpr std::array<ReactionKey, design::kReactions> kAnswerKey{{
    // compounds  points paired  ratio            marks label
    {{5, 7},      5,     false,  {2, 1, 3},       6,    0},  // pyrolysis of methane
    {{2, 6},      5,     false,  {1, 2, 1, 1},    8,    1},  // hydrolysis of calcium carbide
    {{1, 8, 0},   4,     true,   {1, 2, 1, 2, 2}, 10,   2},  // dehydrohalogenation
    {{4, 8, 0},   4,     true,   {1, 2, 1, 2, 2}, 10,   2},  // dehydrohalogenation
    {{3, 8, 0},   4,     true,   {1, 2, 1, 2, 2}, 10,   2},  // dehydrohalogenation
}};
// clang-format on

}  // namespace alkynes
