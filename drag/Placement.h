// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Placement of a dropped piece in a slot of a reaction picture: which slot
// a drop fills, where a piece in each slot sits, and the drop itself.
#pragma once

#include <cstdint>

#include "core/Board.h"
#include "core/Palette.h"
#include "model/Controls.h"

namespace alkynes {

class FormModel;

// In reactions 2 to 4, window x 11880 divides the middle slot from the
// right one.
inline constexpr Twips kMiddleSlotEnd = 11880;

// Where a piece sits in slot s (0 to 12), from the current geometry of the
// slot's reaction picture and of the piece: its vertical centre 35 twips
// above the picture's middle line, its left edge at a fixed offset from the
// picture's edges (the middle slot: right edge at window x 11690).
Point SlotPosition(const FormModel& form, std::int16_t s, std::int16_t piece);

// Moves `piece` to SlotPosition(s): first its Top, then its Left.
void MoveToSlot(FormModel& form, std::int16_t s, std::int16_t piece);

// The slot of reaction r that a drop at X (twips from the picture's left
// edge) fills.  The left half takes the left slot; of the right half, the
// three-slot reactions give the part right of window x 11880 to the right
// slot and the rest to the middle one.
std::int16_t ChooseSlot(const FormModel& form, std::int16_t r, Twips X);

// Puts the dragged piece (DragIndex) into slot s: an occupant goes back to
// its palette cell, the slot records the piece, the piece snaps to the
// slot, and the reaction's coefficient boxes appear once all its slots
// hold a piece.  Any piece is accepted in any slot.
void DropInSlot(Board& board, FormModel& form, std::int16_t s);

// A drop on reaction picture r at X twips from its left edge.
void DropOnReaction(Board& board, FormModel& form, std::int16_t r, Twips X);

}  // namespace alkynes
