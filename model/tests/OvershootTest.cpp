// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A drag that overshoots the window: the whole exercise behind the
// dispatcher, so that "the piece stays and the drag goes on" is seen on the
// board, not only in the events raised.
#include <gtest/gtest.h>

#include "testing/FormFixture.h"

namespace alkynes::testing {
namespace {

class Overshoot : public FormFixture {
  protected:
    // Picks up compound k and drags it onto slot s; returns the piece.
    std::int16_t PickUpOver(int k, int s) {
        Press(PaletteSpot(k));
        const std::int16_t piece = board().DragIndex;
        Move(SlotSpot(s));
        return piece;
    }
};

// The rightmost slot of reaction 2 lies close to the window's right edge.
constexpr int kRightSlot = 6;
// 30 pixels in twips.
constexpr Twips kOvershoot = 450;

TEST_F(Overshoot, AJumpOutsideAndBackOntoASlotPlacesThePiece) {
    const Spot outside[] = {
        {model().ScaleWidth() + kOvershoot, SlotSpot(kRightSlot).y},
        {SlotSpot(kRightSlot).x, -kOvershoot},  // the menu bar
        {-kOvershoot, -kOvershoot},             // the desktop beyond the corner
    };
    for (const Spot& o : outside) {
        SCOPED_TRACE(::testing::Message() << "out at " << o.x << ", " << o.y);
        const std::int16_t piece = PickUpOver(kRightCompound[kRightSlot], kRightSlot);
        const Control before = model().ImgMolecular(piece);
        Move(o);
        EXPECT_TRUE(model().Dragging());
        EXPECT_EQ(model().ImgMolecular(piece).Left, before.Left) << "the piece stays put";
        EXPECT_EQ(model().ImgMolecular(piece).Top, before.Top);
        Move(SlotSpot(kRightSlot));
        Release(SlotSpot(kRightSlot));
        EXPECT_EQ(SlotPiece(kRightSlot), piece);
        form.mnuRestart_Click();
    }
}

TEST_F(Overshoot, TheEdgeRuleStillHoldsInsideTheWindow) {
    const std::int16_t piece = PickUpOver(0, kRightSlot);
    Move({model().ScaleWidth() + kOvershoot, 6000});
    Move({model().ScaleWidth() - 100, 5500});  // back in, over the bare window near its edge
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(piece));
}

}  // namespace
}  // namespace alkynes::testing
