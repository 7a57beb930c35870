// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Picking up a piece, its tooltips, and the piece following the pointer,
// with the edge rule of the bare window.
#include <gtest/gtest.h>

#include "testing/FormFixture.h"

namespace alkynes::testing {
namespace {

constexpr const char* kDragTip = "η μεταφορά ξεκινάει με πατημένο κλικ";
constexpr const char* kRemoveTip = "αφαιρέστε το με διπλό κλικ";

using DragStart = FormFixture;

TEST_F(DragStart, APressPicksUpTheTopmostPieceOfTheCell) {
    Press(PaletteSpot(3));
    EXPECT_TRUE(model().Dragging());
    EXPECT_EQ(board().DragIndex, 3) << "the master lies above its copies";
    EXPECT_EQ(model().DragSource(), PieceRef(3));
    EXPECT_EQ(model().DragIcon(), model().DropIcon().Picture);
    EXPECT_EQ(model().StackingOrder().back(), PieceRef(3));
    Release(PaletteSpot(3));
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(3));

    // The piece whose drag began last is on top of its cell again.
    Press(PaletteSpot(3));
    EXPECT_EQ(board().DragIndex, 3);
    Move(SlotSpot(0));
    Release(SlotSpot(0));
    EXPECT_EQ(SlotPiece(0), 3);

    // Dragging it away uncovered the next piece of the compound.
    Press(PaletteSpot(3));
    EXPECT_EQ(board().DragIndex, 12);
    EXPECT_EQ(model().StackingOrder().back(), PieceRef(12));
}

TEST_F(DragStart, EveryButtonStartsADrag) {
    for (MouseButton b : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
        SCOPED_TRACE(static_cast<int>(b));
        Press(PaletteSpot(6), b);
        EXPECT_TRUE(model().Dragging());
        EXPECT_EQ(board().DragIndex, 6);
        Move(SlotSpot(3));
        Release(SlotSpot(3), b);
        EXPECT_FALSE(model().Dragging());
        EXPECT_EQ(SlotPiece(3), board().DragIndex);
        form.mnuRestart_Click();
    }
}

TEST_F(DragStart, EveryDragStartHidesTheGradeAndTheMethodTexts) {
    AnswerAllRight();
    form.mnuCheck_Click();
    ASSERT_TRUE(model().LGrade().Visible);
    ASSERT_TRUE(model().Label1(0).Visible && model().Label1(1).Visible &&
                model().Label1(2).Visible);

    // Picked up and dropped straight back into the palette.
    Press(PaletteSpot(1));
    EXPECT_FALSE(model().LGrade().Visible);
    EXPECT_FALSE(model().Label1(0).Visible);
    EXPECT_FALSE(model().Label1(1).Visible);
    EXPECT_FALSE(model().Label1(2).Visible);
    Release(PaletteSpot(1));
    EXPECT_FALSE(model().LGrade().Visible) << "they stay hidden after the drag";
    EXPECT_FALSE(model().Label1(2).Visible);
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_EQ(SlotPiece(s) % kCompounds, kRightCompound[s]) << "slot " << s;
    }
}

TEST_F(DragStart, APressOnAPlacedPieceStartsNothing) {
    const std::int16_t placed = Place(5, 0);
    Place(2, 2);
    const std::int16_t last = board().DragIndex;
    form.mnuCheck_Click();
    ASSERT_TRUE(model().LGrade().Visible);
    ASSERT_EQ(model().LGrade().Text, "10%");

    const Spot on = Middle(model().ImgMolecular(placed));
    ASSERT_EQ(model().ControlAt(on.x, on.y), PieceRef(placed));
    Press(on, MouseButton::Left);
    EXPECT_FALSE(model().Dragging());
    EXPECT_EQ(board().DragIndex, last);
    EXPECT_TRUE(model().LGrade().Visible);
    Move({on.x + 500, on.y});
    Release({on.x + 500, on.y});
    Press(on, MouseButton::Right);
    EXPECT_FALSE(model().Dragging());
    EXPECT_EQ(SlotPiece(0), placed);
    EXPECT_TRUE(At(placed, 2340, 1682.5f));
    EXPECT_TRUE(model().LGrade().Visible);
}

TEST_F(DragStart, APieceCountsAsPlacedOnlyBelowTheTopOfTheFirstFrame) {
    const struct {
        int piece;
        Twips top;
        const char* tip;
        bool drags;
    } kCases[] = {
        {0, 1260, kDragTip, true},        // exactly on the top of Container(0)
        {1, 1260.5f, kRemoveTip, false},  // half a twip lower: placed
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.top);
        model().ImgMolecular(c.piece).Left = 5000;
        model().ImgMolecular(c.piece).Top = c.top;
        Move({5100, 1300});
        EXPECT_EQ(model().ImgMolecular(c.piece).ToolTipText, c.tip);
        Press({5100, 1300});
        EXPECT_EQ(model().Dragging(), c.drags);
        EXPECT_EQ(board().DragIndex, 0) << "only the drag of piece 0 sets it";
        Release({5100, 1300});
        EXPECT_TRUE(c.drags ? AtCell(c.piece) : At(c.piece, 5000, c.top));
    }
}

using ToolTip = FormFixture;

TEST_F(ToolTip, TellsHowToMoveAPalettePieceAndHowToRemoveAPlacedOne) {
    EXPECT_EQ(model().ImgMolecular(2).ToolTipText, "") << "no tooltip before the first move";
    Move(PaletteSpot(2));
    EXPECT_EQ(model().ImgMolecular(2).ToolTipText, kDragTip);

    const std::int16_t placed = Place(2, 2);
    ASSERT_EQ(placed, 2);
    const Spot on = Middle(model().ImgMolecular(placed));
    Move(on);
    EXPECT_EQ(model().ImgMolecular(placed).ToolTipText, kRemoveTip);

    // The next piece of the compound, now on top of the cell.
    Move(PaletteSpot(2));
    EXPECT_EQ(model().ImgMolecular(11).ToolTipText, kDragTip);

    // Back in the palette after a check took it out.
    form.mnuRestart_Click();
    Place(3, 2);  // a wrong compound in slot 2, sent back by the check
    const std::int16_t wrong = SlotPiece(2);
    Move(Middle(model().ImgMolecular(wrong)));
    EXPECT_EQ(model().ImgMolecular(wrong).ToolTipText, kRemoveTip);
    form.mnuCheck_Click();
    ASSERT_TRUE(AtCell(wrong));
    Move(PaletteSpot(3));
    EXPECT_EQ(model().ImgMolecular(wrong).ToolTipText, kDragTip);
}

using FollowPointer = FormFixture;

TEST_F(FollowPointer, TheFirstMoveIsReportedByTheDraggedPieceItself) {
    // Piece 0 rests at (390, 130); the press is at its middle.
    Press({1507.5f, 347.5f});
    Move({1517.5f, 350});
    EXPECT_TRUE(At(0, 1577.5f, 132.5f));
    // The pointer is no longer over the dragged piece but over the copy
    // beneath it.
    EXPECT_EQ(model().ControlAt(1517.5f, 350), PieceRef(9));
    Move({1520, 350});
    EXPECT_TRUE(At(0, 1580, 132.5f));
}

TEST_F(FollowPointer, OverPiecesPicturesAndTheWindowTheLeftEdgeIs60TwipsRightOfThePointer) {
    const std::int16_t placed = Place(5, 0);  // at (2340, 1682.5)
    ASSERT_EQ(placed, 5);
    Press(PaletteSpot(0));

    Move({11000, 300});  // palette piece 4
    EXPECT_TRUE(At(0, 11060, 82.5f));
    Move({3000, 1900});  // the placed piece of slot 0
    EXPECT_TRUE(At(0, 3060, 1682.5f));
    Move({5000, 3500});  // reaction picture 1
    EXPECT_TRUE(At(0, 5060, 3282.5f));
    Move({14000, 4000});  // frame 1, beside the picture: the window
    EXPECT_TRUE(At(0, 14060, 3782.5f));
    Move({5000, 5460});  // the line
    EXPECT_TRUE(At(0, 5060, 5242.5f));
    EXPECT_TRUE(model().Dragging());
    EXPECT_EQ(SlotPiece(0), placed);
    EXPECT_TRUE(At(placed, 2340, 1682.5f)) << "only the dragged piece moves";
}

using ReturnAtEdge = FormFixture;

TEST_F(ReturnAtEdge, APointerExactlyAtTheMarginStillDragsThePiece) {
    // The four spots lie over the bare window (frames count as the window).
    const Spot spots[] = {{180, 5000}, {15060, 5000}, {14000, 180}, {5000, 9795}};
    Press(PaletteSpot(6));
    for (const Spot& at : spots) {
        SCOPED_TRACE(::testing::Message() << at.x << ", " << at.y);
        ASSERT_EQ(model().ControlAt(at.x, at.y), std::nullopt);
        Move(at);
        EXPECT_TRUE(model().Dragging());
        EXPECT_TRUE(At(6, at.x + 60, at.y - 217.5f));
    }
}

TEST_F(ReturnAtEdge, APointerInsideTheMarginEndsTheDragAtThePaletteCell) {
    Place(1, 4);
    const Spot spots[] = {{179.5f, 5000},  {15060.5f, 5000}, {14000, 179.5f},
                          {5000, 9795.5f}, {0, 0},           {15239, 9974}};
    for (const Spot& at : spots) {
        SCOPED_TRACE(::testing::Message() << at.x << ", " << at.y);
        Press(PaletteSpot(6));
        Move({5000, 5000});
        ASSERT_TRUE(model().Dragging());
        Move(at);
        EXPECT_FALSE(model().Dragging());
        EXPECT_TRUE(AtCell(6));
        // Moves and the release that follow change nothing.
        Move({5000, 6000});
        Release({5000, 6000});
        EXPECT_TRUE(AtCell(6));
        EXPECT_EQ(SlotPiece(4), 1);
        for (int s = 0; s < kSlots; ++s) {
            EXPECT_EQ(SlotPiece(s), s == 4 ? 1 : kEmpty);
        }
    }
}

TEST_F(ReturnAtEdge, NoEdgeRuleOverAPieceOrAPicture) {
    Press(PaletteSpot(1));
    Move({1000, 150});  // palette piece 0, 150 twips from the top
    EXPECT_TRUE(model().Dragging());
    EXPECT_TRUE(At(1, 1060, -67.5f));
    Move({15080, 5700});  // reaction picture 2, 160 twips from the right
    EXPECT_TRUE(model().Dragging());
    EXPECT_TRUE(At(1, 15140, 5482.5f));
    Release({15080, 5700});
    EXPECT_EQ(SlotPiece(6), 1);
}

}  // namespace
}  // namespace alkynes::testing
