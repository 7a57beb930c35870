// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drops on the bare window, on method labels and on other pieces, and the
// removal of a placed piece by double click.
//
// A drag never leaves a piece stranded outside both palette and slots.
// Every drag ends in a drop: a release over the window, a release outside
// it and a drag the toolkit interrupts all arrive as a drop (FormModel
// turns the last two into a drop on the bare window), and every drop
// handler puts the dragged piece either into exactly one slot or back at
// its palette cell.  So between events every piece rests in the palette or
// sits in the one slot that names it, except the piece being dragged.  A
// drop on a piece that stands in no slot (only the dragged piece itself
// can be such a piece, when the release comes without a move over the new
// position) changes no slot and sends both pieces to their palette cells.
#pragma once

#include <cstdint>
#include <optional>

#include "core/Board.h"

namespace alkynes {

class FormModel;

// The slot that holds piece p, the first in the order 0 to 12, if any.
std::optional<std::int16_t> SlotOfPiece(const Board& board, std::int16_t p);

// A drop on the bare window or on a method label: the dragged piece goes
// back to its palette cell; no slot changes.
void DropOnWindow(const Board& board, FormModel& form);

// A drop on piece t.  On a palette piece the dragged piece goes back to its
// palette cell.  On a placed piece the dragged piece takes t's slot and t
// goes back to the palette; the reaction's coefficient boxes keep their
// visibility and texts.
void ReplacePiece(Board& board, FormModel& form, std::int16_t t);

// A double click on piece p.  A placed piece leaves its slot for its
// palette cell; the grade, the coefficient boxes of its reaction and the
// reaction's method text are hidden.  A palette piece removes nothing.
void RemovePiece(Board& board, FormModel& form, std::int16_t p);

}  // namespace alkynes
