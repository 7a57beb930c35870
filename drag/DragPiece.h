// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Dragging a piece: the press that picks up a palette piece, the tooltip
// that says how to handle a piece, the release, and the piece following the
// pointer while the button is held.
#pragma once

#include <cstdint>
#include <optional>

#include "core/Board.h"
#include "model/Controls.h"

namespace alkynes {

class FormModel;

// The dragged piece's left edge lies this far right of the pointer, so that
// after the first move the pointer is never over the piece itself.
inline constexpr Twips kPointerOffset = 60;
// Over the bare window, a pointer closer than this to the window's edge
// sends the piece back to the palette.
inline constexpr Twips kEdgeMargin = 180;

inline constexpr const char* kRemoveToolTip = "αφαιρέστε το με διπλό κλικ";
inline constexpr const char* kDragToolTip = "η μεταφορά ξεκινάει με πατημένο κλικ";

// A press on piece i, with any button.  A placed piece starts nothing.  A
// palette piece comes to the front, becomes the board's DragIndex, gets the
// drag icon of DropIcon and starts a manual drag; the grade and the method
// texts of the last check are hidden.
void StartDrag(Board& board, FormModel& form, std::int16_t i);

// A move over piece i: its tooltip tells how to take a placed piece out, or
// how to move a palette piece.
void ShowPieceToolTip(FormModel& form, std::int16_t i);

// A release over piece i: ends the drag of that piece with a drop on the
// control under the pointer.  Without a drag of that piece nothing happens.
void ReleasePiece(FormModel& form, std::int16_t i);

// The drag-over rule of every drag target: the dragged piece `source`
// moves so that its left edge lies kPointerOffset right of the pointer and
// its vertical centre on it.  (X, Y) is the pointer relative to `target`;
// no target means the window, whose origin is 0, 0.  Left is written
// before Top.
void FollowPointer(FormModel& form, std::optional<ControlRef> target, ControlRef source, Twips X,
                   Twips Y);

// The drag-over rule of the bare window, with (X, Y) in window coordinates:
// closer than kEdgeMargin to an edge, the drag ends with a drop on the
// window and the piece rests at its palette cell; elsewhere the piece
// follows the pointer.
void ReturnAtEdge(const Board& board, FormModel& form, ControlRef source, Twips X, Twips Y);

}  // namespace alkynes
