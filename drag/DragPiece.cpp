// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drag/DragPiece.h"

#include "core/Palette.h"
#include "model/Design.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

ControlRef Piece(std::int16_t i) {
    return {ControlName::ImgMolecular, i};
}

}  // namespace

void StartDrag(Board& board, FormModel& form, std::int16_t i) {
    if (!IsPalettePiece(form, i)) {
        return;  // placed pieces leave their slot only by a double click
    }
    form.BringToFront(Piece(i));
    board.DragIndex = i;
    form.BeginDrag(Piece(i), form.DropIcon().Picture);
    form.LGrade().Visible = false;
    for (int m = 0; m < design::kMethodLabels; ++m) {
        form.Label1(m).Visible = false;
    }
}

void ShowPieceToolTip(FormModel& form, std::int16_t i) {
    form.ImgMolecular(i).ToolTipText = IsPalettePiece(form, i) ? kDragToolTip : kRemoveToolTip;
}

void ReleasePiece(FormModel& form, std::int16_t i) {
    form.EndDragWithDrop(Piece(i));
}

void FollowPointer(FormModel& form, std::optional<ControlRef> target, ControlRef source, Twips X,
                   Twips Y) {
    Twips left = 0;
    Twips top = 0;
    if (target) {
        const Control& t = form.Get(*target);
        left = t.Left;
        top = t.Top;
    }
    Control& piece = form.Get(source);
    piece.Left = left + X + kPointerOffset;
    piece.Top = (top + Y) - piece.Height / 2;
}

void ReturnAtEdge(const Board& board, FormModel& form, ControlRef source, Twips X, Twips Y) {
    const Twips SL = form.ScaleLeft();
    const Twips ST = form.ScaleTop();
    const Twips SW = form.ScaleWidth();
    const Twips SH = form.ScaleHeight();
    if (X < SL + kEdgeMargin || X > SL + SW - kEdgeMargin || Y < ST + kEdgeMargin ||
        Y > ST + SH - kEdgeMargin) {
        // The drop lands on the window, whose drop handler puts the piece
        // back; placing it here as well keeps the rule whole by itself.
        form.EndDragWithDrop(source);
        PlaceInPalette(board, form, board.DragIndex);
        return;
    }
    FollowPointer(form, std::nullopt, source, X, Y);
}

}  // namespace alkynes
