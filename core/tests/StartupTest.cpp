// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/Palette.h"
#include "testing/ScriptedRandom.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

using alkynes::testing::ScriptedRandom;

bool IsPermutation(const Board& board) {
    std::set<int> cells(board.PaletteOrder.begin(), board.PaletteOrder.end());
    return cells.size() == 9 && *cells.begin() == 0 && *cells.rbegin() == 8;
}

void ExpectStartingPosition(const Board& board, const FormModel& form) {
    EXPECT_TRUE(IsPermutation(board));
    for (const SlotEntry& slot : board.Slots) {
        EXPECT_EQ(slot.Piece, kEmpty);
    }
    ASSERT_EQ(form.PieceCount(), 117);
    for (int p = 0; p < 117; ++p) {
        const Point cell = PaletteCellPosition(form, board.PaletteOrder[p % 9]);
        EXPECT_EQ(form.ImgMolecular(p).Left, cell.Left) << "piece " << p;
        EXPECT_EQ(form.ImgMolecular(p).Top, cell.Top) << "piece " << p;
        EXPECT_TRUE(form.ImgMolecular(p).Visible) << "piece " << p;
    }
    for (int j = 0; j < 22; ++j) {
        EXPECT_FALSE(form.tCoefficient(j).Visible) << "box " << j;
        EXPECT_EQ(form.tCoefficient(j).Text, "") << "box " << j;
    }
    EXPECT_FALSE(form.LGrade().Visible);
    for (int m = 0; m < 3; ++m) {
        EXPECT_FALSE(form.Label1(m).Visible) << "label " << m;
    }
}

class StartupTest : public ::testing::Test {
  protected:
    void Load(std::vector<double> draws = {}) {
        random = ScriptedRandom(std::move(draws));
        InitBoard(board, form);
        Restart(board, form, random);
    }
    FormModel form;
    Board board;
    ScriptedRandom random;
};

TEST_F(StartupTest, LoadGivesTheStartingPosition) {
    // The window is defined with its boxes visible and holding "1".
    ASSERT_TRUE(form.tCoefficient(0).Visible);
    ASSERT_EQ(form.tCoefficient(0).Text, "1");
    Load(ScriptedRandom::ForOrder({4, 2, 7, 0, 8, 1, 6, 3, 5}));
    ExpectStartingPosition(board, form);
    EXPECT_EQ(board.PaletteOrder, (std::array<std::int16_t, 9>{4, 2, 7, 0, 8, 1, 6, 3, 5}));
}

TEST_F(StartupTest, CopiesTakeTheMastersPictureAndSize) {
    Load();
    for (int p = 9; p < 117; ++p) {
        EXPECT_EQ(form.ImgMolecular(p).Picture, form.ImgMolecular(p % 9).Picture);
        EXPECT_EQ(form.ImgMolecular(p).Width, 2235);
        EXPECT_EQ(form.ImgMolecular(p).Height, 435);
    }
    EXPECT_EQ(form.ImgMolecular(17).Picture.kind, PictureKind::Compound);
    EXPECT_EQ(form.ImgMolecular(17).Picture.index, 8);
}

TEST_F(StartupTest, PiecesLieAboveEverythingInIndexOrder) {
    Load();
    const auto& order = form.StackingOrder();
    ASSERT_GE(order.size(), 117u);
    // From the top down: piece 0, 1, 2, ... 116, then the other controls.
    for (int p = 0; p < 117; ++p) {
        const ControlRef ref = order[order.size() - 1 - static_cast<std::size_t>(p)];
        EXPECT_EQ(ref.name, ControlName::ImgMolecular);
        EXPECT_EQ(ref.index, p);
    }
}

TEST_F(StartupTest, RejectedDrawsAreDrawnAgain) {
    // Compound 1 first draws cell 3, which compound 0 holds, then cell 5.
    Load({3.5 / 9, 3.5 / 9, 5.5 / 9, 0.0, 0.999999, 1.5 / 9, 2.5 / 9, 4.5 / 9, 6.5 / 9, 7.5 / 9});
    EXPECT_EQ(board.PaletteOrder, (std::array<std::int16_t, 9>{3, 5, 0, 8, 1, 2, 4, 6, 7}));
}

TEST_F(StartupTest, AFaultyDrawOutsideTheUnitIntervalIsDrawnAgain) {
    Load({1.0, -0.1, 2.5 / 9});
    EXPECT_EQ(board.PaletteOrder[0], 2);
    EXPECT_TRUE(IsPermutation(board));
}

TEST_F(StartupTest, EveryRestartSeedsAnewAndResetsTheBoard) {
    Load();
    EXPECT_EQ(random.seeds, 1);
    // Play something: a piece in a slot, typed boxes, grade and labels up.
    board.Slots[0].Piece = 5;
    form.ImgMolecular(5).Left = 2340;
    form.ImgMolecular(5).Top = 1682.5f;
    for (int j = 0; j < 22; ++j) {
        form.tCoefficient(j).Visible = true;
        form.tCoefficient(j).Text = "3";
    }
    form.LGrade().Visible = true;
    for (int m = 0; m < 3; ++m) {
        form.Label1(m).Visible = true;
    }
    const auto order = form.StackingOrder();
    const std::int16_t dragIndex = board.DragIndex = 42;

    Restart(board, form, random);
    EXPECT_EQ(random.seeds, 2);
    ExpectStartingPosition(board, form);
    EXPECT_EQ(form.StackingOrder(), order) << "a restart does not restack";
    EXPECT_EQ(board.DragIndex, dragIndex);
}

TEST(StartupWithTheClock, RestartsShuffleUniformly) {
    FormModel form;
    Board board;
    ClockSeededRandom random;
    InitBoard(board, form);
    std::set<std::array<std::int16_t, 9>> orders;
    int cellOfCompound0[9] = {};
    constexpr int kRuns = 900;
    for (int i = 0; i < kRuns; ++i) {
        Restart(board, form, random);
        ASSERT_TRUE(IsPermutation(board));
        orders.insert(board.PaletteOrder);
        ++cellOfCompound0[board.PaletteOrder[0]];
    }
    // 9! orders: repeats in 900 runs are rare, and every cell gets its share.
    EXPECT_GT(orders.size(), 850u);
    for (int n : cellOfCompound0) {
        EXPECT_GT(n, 50);
        EXPECT_LT(n, 160);
    }
}

}  // namespace
}  // namespace alkynes
