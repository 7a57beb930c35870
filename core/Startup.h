// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and restart: the answer key, the copy pieces, the first
// stacking order, and the return to the starting position with a newly
// shuffled palette.
#pragma once

#include "core/Board.h"

namespace alkynes {

class FormModel;
class RandomSource;

// Creates the slot table with its answer key, loads the 108 copy pieces
// and stacks the 117 pieces above everything else, piece 0 on top.
void InitBoard(Board& board, FormModel& form);

// Empties every slot, shuffles the palette, puts every piece at its cell,
// and hides the grade, the method labels and all coefficient boxes.
void Restart(Board& board, FormModel& form, RandomSource& random);

}  // namespace alkynes
