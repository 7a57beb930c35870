// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Palette.h"

#include "model/FormModel.h"

namespace alkynes {

Point PaletteCellPosition(const FormModel& form, int cell) {
    const Twips S = form.ScaleTop();
    const Twips W = form.ImgMolecular(0).Width;
    const Twips H = form.ImgMolecular(0).Height;
    const Twips L = form.Container(0).Left;
    const Twips T = form.Container(0).Top;
    const Twips R = kPaletteRight;

    const Twips g = (T - S - 2 * H) / 3;  // gaps above, between and below the rows
    const Twips a = (R - L - 5 * W) / 6;  // gaps of the upper row
    const Twips b = (R - L - 4 * W) / 5;  // gaps of the lower row
    const auto x = static_cast<Twips>(cell);
    if (cell <= 4) {
        return {L + a + x * (W + a), S + g};
    }
    return {L + b + (x - 5) * (W + b), S + g + H + g};
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
