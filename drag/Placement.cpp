// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drag/Placement.h"

#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {
namespace {

// Where the outer slots of a reaction picture hold their pieces: the left
// edge of the left slot's piece from the picture's left edge, and the gap
// between the right slot's piece and the picture's right edge.
struct SnapOffsets {
    Twips left;
    Twips right;
};
constexpr SnapOffsets kTwoSlotSnap{780, 295};    // reactions 0 and 1
constexpr SnapOffsets kThreeSlotSnap{770, 265};  // reactions 2 to 4

// The gap between the middle slot's piece and kMiddleSlotEnd, and how far
// a placed piece's centre lies above the picture's middle line.
constexpr Twips kMiddleMargin = 190;
constexpr Twips kLift = 35;

}  // namespace

Point SlotPosition(const FormModel& form, std::int16_t s, std::int16_t piece) {
    const std::int16_t r = ReactionOfSlot(s);
    const Control& picture = form.ImgSyntactic(r);
    const Twips L = picture.Left;
    const Twips T = picture.Top;
    const Twips W = picture.Width;
    const Twips H = picture.Height;
    const Twips w = form.ImgMolecular(piece).Width;
    const Twips h = form.ImgMolecular(piece).Height;

    const auto slots = SlotsOfReaction(r);
    const SnapOffsets& snap = slots.size() == 2 ? kTwoSlotSnap : kThreeSlotSnap;
    Twips left = 0;
    if (s == slots.front()) {
        left = L + snap.left;
    } else if (s == slots.back()) {
        left = L + W - w - snap.right;
    } else {
        left = kMiddleSlotEnd - w - kMiddleMargin;
    }
    return {left, T + H / 2 - h / 2 - kLift};
}

void MoveToSlot(FormModel& form, std::int16_t s, std::int16_t piece) {
    const Point at = SlotPosition(form, s, piece);
    Control& p = form.ImgMolecular(piece);
    p.Top = at.Top;
    p.Left = at.Left;
}

std::int16_t ChooseSlot(const FormModel& form, std::int16_t r, Twips X) {
    const Control& picture = form.ImgSyntactic(r);
    const auto slots = SlotsOfReaction(r);
    if (X < picture.Width / 2) {
        return slots.front();
    }
    if (slots.size() == 2 || X > kMiddleSlotEnd - picture.Left) {
        return slots.back();
    }
    return slots[1];
}

void DropInSlot(Board& board, FormModel& form, std::int16_t s) {
    SlotEntry& slot = board.Slots[static_cast<std::size_t>(s)];
    if (slot.Piece != kEmpty) {
        PlaceInPalette(board, form, slot.Piece);
    }
    slot.Piece = board.DragIndex;
    MoveToSlot(form, s, board.DragIndex);
    const std::int16_t r = ReactionOfSlot(s);
    if (ReactionFilled(board, r)) {
        ShowCoefficients(form, r);
    }
}

void DropOnReaction(Board& board, FormModel& form, std::int16_t r, Twips X) {
    DropInSlot(board, form, ChooseSlot(form, r, X));
}

}  // namespace alkynes
