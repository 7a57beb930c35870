// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Judging the coefficients typed for one reaction.
#pragma once

#include <cstdint>

namespace alkynes {

class FormModel;

// Decides whether the coefficients typed into the boxes of reaction r (0 to
// 4) are right.  The boxes are read left to right with ReadCoefficient; an
// empty box counts as 1.  Every value must be a whole number of at least 1
// that fits in 16 bits, and together they must be the coefficients of the
// reaction's equation in the answer key (core/AnswerKey.h) or a whole
// multiple of them.
//
// Reading stops at the first value that is not acceptable.  When the
// coefficients are right the texts stay as they are and the result is true;
// otherwise every box of the reaction is emptied, left to right, and the
// result is false.  The boxes' visibility and everything else stay as they
// are.  For an r outside 0 to 4 the result is false and nothing changes.
bool CheckCoefficients(FormModel& form, std::int16_t r);

}  // namespace alkynes
