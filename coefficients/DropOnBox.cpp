// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coefficients/DropOnBox.h"

#include "drag/DragPiece.h"
#include "drag/Placement.h"
#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {

void FollowPointerOverBox(FormModel& form, std::int16_t j, ControlRef source, Twips X, Twips Y) {
    FollowPointer(form, ControlRef{ControlName::tCoefficient, j}, source, X, Y);
}

void DropOnBox(Board& board, FormModel& form, std::int16_t j) {
    DropInSlot(board, form, CoefficientSlot(j));
}

}  // namespace alkynes
