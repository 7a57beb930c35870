// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drag/Drops.h"

#include "core/Palette.h"
#include "drag/Placement.h"
#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {

std::optional<std::int16_t> SlotOfPiece(const Board& board, std::int16_t p) {
    for (std::int16_t s = 0; s < kSlots; ++s) {
        if (board.Slots[static_cast<std::size_t>(s)].Piece == p) {
            return s;
        }
    }
    return std::nullopt;
}

void DropOnWindow(const Board& board, FormModel& form) {
    PlaceInPalette(board, form, board.DragIndex);
}

void ReplacePiece(Board& board, FormModel& form, std::int16_t t) {
    if (IsPalettePiece(form, t)) {
        PlaceInPalette(board, form, board.DragIndex);
        return;
    }
    const std::optional<std::int16_t> s = SlotOfPiece(board, t);
    if (!s) {
        // A piece below the palette that no slot names: it belongs in the
        // palette, and so does the dropped piece.
        PlaceInPalette(board, form, t);
        PlaceInPalette(board, form, board.DragIndex);
        return;
    }
    PlaceInPalette(board, form, t);
    board.Slots[static_cast<std::size_t>(*s)].Piece = board.DragIndex;
    MoveToSlot(form, *s, board.DragIndex);
}

void RemovePiece(Board& board, FormModel& form, std::int16_t p) {
    if (IsPalettePiece(form, p)) {
        return;
    }
    const std::optional<std::int16_t> s = SlotOfPiece(board, p);
    if (!s) {
        return;
    }
    form.LGrade().Visible = false;
    board.Slots[static_cast<std::size_t>(*s)].Piece = kEmpty;
    PlaceInPalette(board, form, p);
    const std::int16_t r = ReactionOfSlot(*s);
    HideCoefficients(form, r);
    form.Label1(MethodLabelOf(r)).Visible = false;
}

}  // namespace alkynes
