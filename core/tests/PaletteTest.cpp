// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Palette.h"

#include <gtest/gtest.h>

#include "core/Startup.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

class PaletteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitBoard(board, form);
        for (int k = 0; k < kCompounds; ++k) {
            board.PaletteOrder[k] = static_cast<std::int16_t>(k);
        }
    }
    FormModel form;
    Board board;
};

TEST_F(PaletteTest, IdentityOrderGivesTheCellTable) {
    const float left[9] = {390, 2955, 5520, 8085, 10650, 903, 3981, 7059, 10137};
    const float top[9] = {130, 130, 130, 130, 130, 695, 695, 695, 695};
    for (std::int16_t p = 0; p < 9; ++p) {
        PlaceInPalette(board, form, p);
        EXPECT_FLOAT_EQ(form.ImgMolecular(p).Left, left[p]) << "cell " << p;
        EXPECT_FLOAT_EQ(form.ImgMolecular(p).Top, top[p]) << "cell " << p;
    }
    PlaceInPalette(board, form, 13);
    EXPECT_FLOAT_EQ(form.ImgMolecular(13).Left, 10650);
    EXPECT_FLOAT_EQ(form.ImgMolecular(13).Top, 130);
}

TEST_F(PaletteTest, RowsEndAtTheBandsRightEdge) {
    const float w = form.ImgMolecular(0).Width;
    const Point last0 = PaletteCellPosition(form, 4);
    const Point first0 = PaletteCellPosition(form, 0);
    const float gapUpper = first0.Left - form.Container(0).Left;
    EXPECT_NEAR(last0.Left + w + gapUpper, kPaletteRight, 0.01);
    const Point last1 = PaletteCellPosition(form, 8);
    const Point first1 = PaletteCellPosition(form, 5);
    const float gapLower = first1.Left - form.Container(0).Left;
    EXPECT_NEAR(last1.Left + w + gapLower, kPaletteRight, 0.01);
    EXPECT_NEAR(form.Container(0).Top - (last1.Top + form.ImgMolecular(0).Height), 130, 0.01);
}

TEST_F(PaletteTest, CopyAndMasterOfOneCompoundShareTheirCell) {
    board.PaletteOrder = {3, 8, 0, 5, 1, 7, 2, 6, 4};
    for (std::int16_t p = 0; p < 117; ++p) {
        PlaceInPalette(board, form, p);
    }
    for (std::int16_t p = 9; p < 117; ++p) {
        EXPECT_EQ(form.ImgMolecular(p).Left, form.ImgMolecular(p % 9).Left);
        EXPECT_EQ(form.ImgMolecular(p).Top, form.ImgMolecular(p % 9).Top);
    }
    // Compound 1 rests in cell 8, the last of the lower row.
    EXPECT_FLOAT_EQ(form.ImgMolecular(10).Left, 10137);
    EXPECT_FLOAT_EQ(form.ImgMolecular(10).Top, 695);
}

TEST_F(PaletteTest, ChangesOnlyThePositionAndIsIdempotent) {
    Control& piece = form.ImgMolecular(40);
    piece.Visible = false;
    piece.Left = 5000;
    piece.Top = 7000;
    const auto order = form.StackingOrder();
    PlaceInPalette(board, form, 40);
    const float left = piece.Left;
    const float top = piece.Top;
    PlaceInPalette(board, form, 40);
    EXPECT_EQ(piece.Left, left);
    EXPECT_EQ(piece.Top, top);
    EXPECT_FALSE(piece.Visible);
    EXPECT_FLOAT_EQ(piece.Width, 2235);
    EXPECT_EQ(form.StackingOrder(), order);
}

TEST_F(PaletteTest, EveryCellCountsAsPalette) {
    for (int cell = 0; cell < 9; ++cell) {
        EXPECT_LE(PaletteCellPosition(form, cell).Top, form.Container(0).Top);
    }
    form.ImgMolecular(3).Top = form.Container(0).Top;
    EXPECT_TRUE(IsPalettePiece(form, 3)) << "a piece level with the frame is still in the palette";
    form.ImgMolecular(3).Top = form.Container(0).Top + 0.5f;
    EXPECT_FALSE(IsPalettePiece(form, 3));
}

TEST_F(PaletteTest, LayoutFollowsTheLiveGeometry) {
    // The cells are computed from the frame and the piece size as they are.
    form.Container(0).Left = 1060;
    const Point cell0 = PaletteCellPosition(form, 0);
    const float a = (kPaletteRight - 1060 - 5 * 2235) / 6.0f;
    EXPECT_FLOAT_EQ(cell0.Left, 1060 + a);
}

}  // namespace
}  // namespace alkynes
