// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The check: grades the attempt out of 100, sends every wrongly placed
// piece back to the palette, and reveals the texts of the methods answered
// completely and correctly.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Board.h"

namespace alkynes {

class FormModel;

// Judges the typed coefficients of a filled reaction: true when they are
// right; on false it has emptied the reaction's boxes.
using CoefficientJudge = std::function<bool(std::int16_t reaction)>;

// What one check found on the board and what it did to it, for whoever
// tells the student (the screen reader) or the teacher (the learning
// record) about it.  The board itself only shows the result.
struct CheckOutcome {
    std::int16_t score = 0;
    // The compound each slot held when the check began, or kEmpty; and
    // whether it is still there, which the check allows only to a right one.
    std::array<std::int16_t, kSlots> placed{};
    std::array<bool, kSlots> kept{};
    // The text of each coefficient box when the check began (empty for a
    // hidden box), and whether the box showed.
    std::array<std::string, design::kBoxes> typed{};
    std::array<bool, design::kBoxes> shown{};
    // Per reaction, after the wrong pieces went back: every slot filled,
    // and the typed coefficients judged right (only a filled one is judged).
    std::array<bool, design::kReactions> filled{};
    std::array<bool, design::kReactions> coefficientsRight{};
    // The method texts showing before and after the check.
    std::array<bool, design::kMethodLabels> revealedBefore{};
    std::array<bool, design::kMethodLabels> revealed{};
};

// Runs the check on the board and the window and returns what it found;
// the score is also written into LGrade.
CheckOutcome CheckAndGrade(Board& board, FormModel& form, const CoefficientJudge& judge);

}  // namespace alkynes
