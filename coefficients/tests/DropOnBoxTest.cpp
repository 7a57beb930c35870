// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drops on the coefficient boxes, played through the window's dispatcher:
// a visible box lies over its reaction picture and passes a drop on to its
// own slot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/FormFixture.h"

namespace alkynes::testing {
namespace {

// The slot that a drop on each box fills.
constexpr int kBoxSlot[22] = {0, 1, 1, 2, 2, 3, 3,  4,  4,  5,  5,
                              6, 7, 7, 8, 8, 9, 10, 10, 11, 11, 12};

using DropOnBox = FormFixture;

TEST_F(DropOnBox, ThePieceFollowsThePointerOverABox) {
    FillRight(0);
    ASSERT_TRUE(model().tCoefficient(0).Visible);
    Press(PaletteSpot(4));
    // (10, 100) inside box 0 at (1860, 1740).
    Move({1870, 1840});
    EXPECT_TRUE(At(4, 1930, 1622.5f));
    EXPECT_TRUE(model().Dragging());
}

TEST_F(DropOnBox, ADropOnBox2FillsSlot1AndKeepsTheTexts) {
    FillRight(0);
    Type(0, {"2", "1", "3"});
    const std::int16_t first = SlotPiece(0);
    const std::int16_t old = SlotPiece(1);
    Drag(PaletteSpot(3), Middle(model().tCoefficient(2)));
    EXPECT_EQ(SlotPiece(1), 3);
    EXPECT_TRUE(At(3, 10880, 1682.5f));
    EXPECT_TRUE(AtCell(old));
    EXPECT_EQ(SlotPiece(0), first);
    EXPECT_TRUE(BoxesVisible(0));
    EXPECT_EQ(Texts(0), (std::vector<std::string>{"2", "1", "3"}));
    EXPECT_EQ(model().tCoefficient(2).Text, "3") << "a drop does not change the box's text";
}

TEST_F(DropOnBox, EveryBoxFillsItsOwnSlotWhereverInTheBoxThePointerIs) {
    AnswerAllRight();
    for (int j = 0; j < 22; ++j) {
        const Control& box = model().tCoefficient(j);
        const Spot corners[] = {{box.Left, box.Top},
                                {box.Left + box.Width - 0.5f, box.Top + box.Height - 0.5f}};
        for (const Spot& at : corners) {
            SCOPED_TRACE(::testing::Message() << "box " << j << " at " << at.x << ", " << at.y);
            const int s = kBoxSlot[j];
            const std::int16_t old = SlotPiece(s);
            // A compound other than the occupant's: its cell is never empty.
            Press(PaletteSpot((old + 1) % kCompounds));
            const std::int16_t piece = board().DragIndex;
            Move(at);
            Release(at);
            EXPECT_EQ(SlotPiece(s), piece);
            EXPECT_TRUE(At(piece, kSnapLeft[s], kSnapTop[s]));
            EXPECT_TRUE(AtCell(old));
            for (int r = 0; r < 5; ++r) {
                EXPECT_TRUE(BoxesVisible(r));
                EXPECT_EQ(Texts(r), kRightCoefficients[static_cast<std::size_t>(r)]);
            }
        }
    }
}

}  // namespace
}  // namespace alkynes::testing
