// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Board.h"

#include "model/FormModel.h"

namespace alkynes {

bool ReactionFilled(const Board& board, int r) {
    for (std::int16_t s : SlotsOfReaction(r)) {
        if (board.Slots[static_cast<std::size_t>(s)].Piece == kEmpty) {
            return false;
        }
    }
    return true;
}

void ShowCoefficients(FormModel& form, std::int16_t r) {
    for (std::int16_t j : ReactionBoxes(r)) {
        form.tCoefficient(j).Visible = true;
    }
}

void HideCoefficients(FormModel& form, std::int16_t r) {
    for (std::int16_t j : ReactionBoxes(r)) {
        Control& box = form.tCoefficient(j);
        box.Text.clear();
        box.Visible = false;
    }
}

}  // namespace alkynes
