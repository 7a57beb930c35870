// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drops on the coefficient boxes.  A visible box lies over its reaction
// picture and takes the drag events itself, so it passes a drop on to the
// slot it belongs to and moves the dragged piece like every other target.
#pragma once

#include <cstdint>

#include "core/Board.h"
#include "model/Controls.h"

namespace alkynes {

class FormModel;

// A drag over box j with the pointer at (X, Y) from the box's top-left
// corner: the dragged piece `source` follows the pointer.
void FollowPointerOverBox(FormModel& form, std::int16_t j, ControlRef source, Twips X, Twips Y);

// A drop on box j, wherever in the box: the dragged piece goes into the
// box's slot (CoefficientSlot), replacing its occupant; the reaction's
// boxes stay visible with their texts.
void DropOnBox(Board& board, FormModel& form, std::int16_t j);

}  // namespace alkynes
