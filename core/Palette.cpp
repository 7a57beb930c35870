// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Palette.h"

#include <iterator>

#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {

Point PaletteCellPosition(const FormModel& form, int cell) {
    const Twips S = form.ScaleTop();
    const Twips W = form.ImgMolecular(0).Width;
    const Twips H = form.ImgMolecular(0).Height;
    const Twips L = form.Container(0).Left;
    const Twips T = form.Container(0).Top;
    const Twips R = kPaletteRight;

    const auto rows = static_cast<Twips>(std::size(kPaletteRows));
    const Twips g = (T - S - rows * H) / (rows + 1);  // gaps above, between and below the rows
    const int row = PaletteRowOf(cell);
    const auto n = static_cast<Twips>(kPaletteRows[row]);
    const Twips gap = (R - L - n * W) / (n + 1);  // the gaps of the cell's row
    const auto x = static_cast<Twips>(cell - FirstCellOfRow(row));
    Twips top = S + g;
    for (int above = 0; above < row; ++above) {
        top = top + H + g;
    }
    return {L + gap + x * (W + gap), top};
}

void PlaceInPalette(const Board& board, FormModel& form, std::int16_t p) {
    const int cell = board.PaletteOrder[static_cast<std::size_t>(CompoundOf(p))];
    const Point at = PaletteCellPosition(form, cell);
    Control& piece = form.ImgMolecular(p);
    piece.Top = at.Top;
    piece.Left = at.Left;
}

bool IsPalettePiece(const FormModel& form, std::int16_t p) {
    return form.ImgMolecular(p).Top <= form.Container(0).Top;
}

}  // namespace alkynes
