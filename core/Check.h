// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The check: grades the attempt out of 100, sends every wrongly placed
// piece back to the palette, and reveals the texts of the methods answered
// completely and correctly.
#pragma once

#include <cstdint>
#include <functional>

#include "core/Board.h"

namespace alkynes {

class FormModel;

// Judges the typed coefficients of a filled reaction: true when they are
// right; on false it has emptied the reaction's boxes.
using CoefficientJudge = std::function<bool(std::int16_t reaction)>;

// Runs the check on the board and the window and returns the score, which
// is also written into LGrade.
std::int16_t CheckAndGrade(Board& board, FormModel& form, const CoefficientJudge& judge);

}  // namespace alkynes
