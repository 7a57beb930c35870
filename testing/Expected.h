// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tests expect of the board, written out by hand rather than read
// from the program's own tables (core/AnswerKey.h, drag/Placement.cpp), so
// that a wrong table fails them: the right answers, and the places where
// the drag rules snap a piece into each slot.
#pragma once

#include <string>
#include <vector>

#include "model/Controls.h"
#include "model/Structure.h"

namespace alkynes::testing {

// The compound that belongs in each slot.
inline constexpr int kRightCompound[kSlots] = {5, 7, 2, 6, 1, 8, 0, 4, 8, 0, 3, 8, 0};

// The right coefficients of each reaction, box by box.
inline const std::vector<std::vector<std::string>> kRightCoefficients{
    {"2", "1", "3"},           {"1", "2", "1", "1"},      {"1", "2", "1", "2", "2"},
    {"1", "2", "1", "2", "2"}, {"1", "2", "1", "2", "2"},
};

// Where a piece in each slot lies (its left and top edges in window twips)
// in the window as designed.
// clang-format off
inline constexpr Twips kSnapLeft[kSlots] = {2340, 10880, 2340, 10880,
                                            890, 9455, 12590, 890, 9455, 12590, 890, 9455, 12590};
inline constexpr Twips kSnapTop[kSlots] = {1682.5f, 1682.5f, 3662.5f, 3662.5f,
                                           5942.5f, 5942.5f, 5942.5f, 7142.5f, 7142.5f, 7142.5f,
                                           8342.5f, 8342.5f, 8342.5f};
// clang-format on

}  // namespace alkynes::testing
