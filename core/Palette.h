// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette at the top of the window, where the pieces rest before they
// are dragged: one cell for each compound, in the rows of kPaletteRows
// (model/Structure.h), each row spread evenly across the band above the
// first reaction frame.
#pragma once

#include <cstdint>

#include "core/Board.h"
#include "model/Controls.h"

namespace alkynes {

class FormModel;

// The right edge of the palette band; the grade badge stands right of it.
inline constexpr Twips kPaletteRight = 13215;

struct Point {
    Twips Left;
    Twips Top;
};

// The position of palette cell `cell` (0 to 8), from the window's current
// geometry.
Point PaletteCellPosition(const FormModel& form, int cell);

// Moves piece p to its compound's palette cell.  Changes nothing else.
void PlaceInPalette(const Board& board, FormModel& form, std::int16_t p);

// True when piece p counts as resting in the palette: its top is at or
// above the top of the first reaction frame.  Otherwise it is placed.
bool IsPalettePiece(const FormModel& form, std::int16_t p);

}  // namespace alkynes
