// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drops on other pieces, on a method label and on the bare window; drags
// that end outside the window or are interrupted; removal by double click.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "testing/FormFixture.h"

namespace alkynes::testing {
namespace {

std::array<std::int16_t, kSlots> SlotPieces(const Board& board) {
    std::array<std::int16_t, kSlots> pieces{};
    for (int s = 0; s < kSlots; ++s) {
        pieces[static_cast<std::size_t>(s)] = board.Slots[static_cast<std::size_t>(s)].Piece;
    }
    return pieces;
}

using DropOnPiece = FormFixture;

TEST_F(DropOnPiece, APressAndReleaseWithoutMovingSendsThePieceBackToItsOwnCell) {
    // The release lands on the pressed piece itself.
    Press(PaletteSpot(2));
    Release(PaletteSpot(2));
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(2));

    // After a small move it lands on the next piece of the compound beneath.
    const Spot spot = PaletteSpot(2);
    Press(spot);
    Move({spot.x + 5, spot.y});
    EXPECT_FALSE(AtCell(2));
    ASSERT_EQ(model().ControlAt(spot.x + 5, spot.y), PieceRef(11));
    Release({spot.x + 5, spot.y});
    EXPECT_TRUE(AtCell(2));
    EXPECT_TRUE(AtCell(11));
    EXPECT_TRUE(NoSlotFilled());
}

TEST_F(DropOnPiece, OnAPalettePieceOfAnotherCompoundThePieceGoesToItsOwnCell) {
    Drag(PaletteSpot(0), PaletteSpot(4));
    EXPECT_TRUE(AtCell(0));
    EXPECT_TRUE(AtCell(4));
    EXPECT_TRUE(At(0, 390, 130));
    EXPECT_TRUE(NoSlotFilled());
}

TEST_F(DropOnPiece, OnAPlacedPieceTheDraggedPieceTakesItsSlot) {
    FillRight(2);
    Type(2, {"1", "2", "1", "2", "2"});
    const std::int16_t left = SlotPiece(4);
    const std::int16_t old = SlotPiece(5);
    const std::int16_t right = SlotPiece(6);

    // The pointer anywhere on the placed piece of slot 5, away from boxes.
    const Spot on{10500, 6300};
    ASSERT_EQ(model().ControlAt(on.x, on.y), PieceRef(old));
    Press(PaletteSpot(3));
    const std::int16_t piece = board().DragIndex;
    Move(on);
    Release(on);
    EXPECT_EQ(SlotPiece(5), piece);
    EXPECT_TRUE(At(piece, 9455, 5942.5f));
    EXPECT_TRUE(AtCell(old));
    EXPECT_EQ(SlotPiece(4), left);
    EXPECT_EQ(SlotPiece(6), right);
    EXPECT_TRUE(BoxesVisible(2));
    EXPECT_EQ(Texts(2), (std::vector<std::string>{"1", "2", "1", "2", "2"}));
}

TEST_F(DropOnPiece, APieceOfTheSameCompoundStillReplacesIt) {
    EXPECT_EQ(Place(8, 5), 8);
    const Spot on = Middle(model().ImgMolecular(8));
    Drag(PaletteSpot(8), on);
    EXPECT_EQ(SlotPiece(5), 17);
    EXPECT_TRUE(At(17, 9455, 5942.5f));
    EXPECT_TRUE(AtCell(8));
    EXPECT_TRUE(BoxesHidden(2)) << "the reaction was not filled and still is not";
}

TEST_F(DropOnPiece, APieceInNoSlotChangesNoSlot) {
    FillRight(2);
    Place(5, 0);
    const auto before = SlotPieces(board());
    // Released without a move at its new place, the pointer lies over the
    // dragged piece itself, which is below the palette but in no slot.
    Press(PaletteSpot(3));
    Move({3000, 5700});
    ASSERT_TRUE(At(3, 3060, 5482.5f));
    ASSERT_EQ(model().ControlAt(3100, 5700), PieceRef(3));
    Release({3100, 5700});
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(3));
    EXPECT_EQ(SlotPieces(board()), before);
    EXPECT_TRUE(BoxesVisible(2));
}

using DropOnWindow = FormFixture;

TEST_F(DropOnWindow, FramesTheLineAndTheBareWindowSendThePieceBack) {
    Place(6, 3);
    const Spot spots[] = {
        {100, 1300},    // frame 0 beside its picture
        {5000, 5460},   // the line
        {14000, 4000},  // frame 1 beside its picture
        {14000, 500},   // the grade badge, hidden by the drag
        {7000, 1200},   // between the palette and the first frame
    };
    for (const Spot& at : spots) {
        SCOPED_TRACE(::testing::Message() << at.x << ", " << at.y);
        Drag(PaletteSpot(7), at);
        EXPECT_FALSE(model().Dragging());
        EXPECT_TRUE(AtCell(7));
        for (int s = 0; s < kSlots; ++s) {
            EXPECT_EQ(SlotPiece(s), s == 3 ? 6 : kEmpty);
        }
    }
}

TEST_F(DropOnWindow, AMethodLabelSendsThePieceBack) {
    Press(PaletteSpot(7));
    // A toolkit that delivers drag events to a shown method label.
    model().Label1(1).Visible = true;
    Move({5000, 5000});
    EXPECT_TRUE(At(7, 5060, 4782.5f)) << "the piece follows the pointer over the label";
    Release({5000, 5000});
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(7));
    EXPECT_TRUE(NoSlotFilled());
}

using DragEnd = FormFixture;

// Releases outside the window, each after its moves: the piece goes back to
// its palette cell and no slot changes.
struct OutsideRelease {
    const char* what;
    std::vector<Spot> moves;
    Spot release;
    bool sticksOut = false;  // the piece then lies partly outside the window
};

TEST_F(DragEnd, AReleaseOutsideTheWindowLeavesNoStrandedPiece) {
    FillRight(0);
    const auto before = SlotPieces(board());
    const Twips beyond = model().ScaleWidth() + 450;  // 30 pixels past the right edge
    const OutsideRelease cases[] = {
        // Over a picture near the edge the piece sticks out of the window
        // (to 15140 + 2235); a release beside the window, over where the
        // piece lies, still reaches the window.
        {"beside the window, over the piece", {{15080, 5700}}, {15300, 5700}, true},
        {"far below and left", {{3000, 1800}}, {-100, 20000}},
        {"past the edge, from over a slot", {SlotSpot(6), {beyond, 6000}}, {beyond, 6000}},
    };
    for (const OutsideRelease& c : cases) {
        SCOPED_TRACE(c.what);
        Press(PaletteSpot(4));
        for (const Spot& to : c.moves) {
            Move(to);
        }
        EXPECT_TRUE(!c.sticksOut || At(4, 15140, 5482.5f));
        EXPECT_EQ(model().ControlAt(c.release.x, c.release.y), std::nullopt)
            << "outside, no control is hit";
        Release(c.release);
        EXPECT_FALSE(model().Dragging());
        EXPECT_TRUE(AtCell(4));
        EXPECT_EQ(SlotPieces(board()), before);
    }
}

TEST_F(DragEnd, AnInterruptedDragLeavesNoStrandedPiece) {
    FillRight(3);
    const auto before = SlotPieces(board());
    Press(PaletteSpot(2));
    Move(SlotSpot(8));
    model().InterruptDrag();
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(2));
    EXPECT_EQ(SlotPieces(board()), before);
    // The release that follows finds no drag.
    Release(SlotSpot(8));
    EXPECT_TRUE(AtCell(2));
    EXPECT_EQ(SlotPieces(board()), before);
}

// The whole board right, coefficients included, and checked: every method
// text and the grade are on screen.
class Removal : public FormFixture {
  protected:
    void SetUp() override {
        AnswerAllRight();
        form.mnuCheck_Click();
        ASSERT_EQ(model().LGrade().Text, "100%");
        ASSERT_TRUE(model().LGrade().Visible);
    }

    void DoubleClickSlot(int s) {
        const std::int16_t piece = SlotPiece(s);
        const Spot on = Middle(model().ImgMolecular(piece));
        ASSERT_EQ(model().ControlAt(on.x, on.y), PieceRef(piece));
        DoubleClick(on);
    }
};

TEST_F(Removal, ADoubleClickTakesThePieceOfSlot0Out) {
    const std::int16_t piece = SlotPiece(0);
    const auto before = SlotPieces(board());
    DoubleClickSlot(0);
    EXPECT_EQ(SlotPiece(0), kEmpty);
    EXPECT_TRUE(AtCell(piece));
    EXPECT_TRUE(BoxesHidden(0));
    EXPECT_EQ(Texts(0), (std::vector<std::string>{"", "", ""}));
    EXPECT_FALSE(model().LGrade().Visible);
    EXPECT_FALSE(model().Label1(0).Visible);
    EXPECT_TRUE(model().Label1(1).Visible);
    EXPECT_TRUE(model().Label1(2).Visible);
    for (int r = 1; r < 5; ++r) {
        EXPECT_TRUE(BoxesVisible(r)) << "reaction " << r;
        EXPECT_EQ(Texts(r), kRightCoefficients[static_cast<std::size_t>(r)]);
    }
    for (int s = 1; s < kSlots; ++s) {
        EXPECT_EQ(SlotPiece(s), before[static_cast<std::size_t>(s)]);
    }
}

TEST_F(Removal, ADoubleClickTakesThePieceOfSlot9Out) {
    const std::int16_t piece = SlotPiece(9);
    DoubleClickSlot(9);
    EXPECT_EQ(SlotPiece(9), kEmpty);
    EXPECT_TRUE(AtCell(piece));
    EXPECT_TRUE(BoxesHidden(3));
    EXPECT_EQ(Texts(3), (std::vector<std::string>{"", "", "", "", ""}));
    EXPECT_FALSE(model().LGrade().Visible);
    EXPECT_FALSE(model().Label1(2).Visible);
    EXPECT_TRUE(model().Label1(0).Visible);
    EXPECT_TRUE(model().Label1(1).Visible);
    for (int r : {0, 1, 2, 4}) {
        EXPECT_TRUE(BoxesVisible(r)) << "reaction " << r;
        EXPECT_EQ(Texts(r), kRightCoefficients[static_cast<std::size_t>(r)]);
    }
}

TEST_F(Removal, ADoubleClickOnAPalettePieceRemovesNothing) {
    const auto before = SlotPieces(board());
    const Spot cell = PaletteSpot(4);
    const auto top = model().ControlAt(cell.x, cell.y);
    ASSERT_TRUE(top.has_value());
    DoubleClick(cell);
    EXPECT_FALSE(model().Dragging());
    EXPECT_EQ(SlotPieces(board()), before);
    EXPECT_TRUE(AtCell(top->index));
    for (int r = 0; r < 5; ++r) {
        EXPECT_TRUE(BoxesVisible(r)) << "reaction " << r;
        EXPECT_EQ(Texts(r), kRightCoefficients[static_cast<std::size_t>(r)]);
    }
    // Its presses started drags of their own, which hid the check's texts.
    EXPECT_FALSE(model().LGrade().Visible);
}

TEST_F(Removal, ARemovedPieceCanBeDraggedAgain) {
    const std::int16_t piece = SlotPiece(1);
    DoubleClickSlot(1);
    ASSERT_TRUE(AtCell(piece));
    EXPECT_EQ(Place(7, 1), piece) << "it came to the front when its drag began";
    EXPECT_TRUE(BoxesVisible(0));
    EXPECT_EQ(Texts(0), (std::vector<std::string>{"", "", ""}));
}

}  // namespace
}  // namespace alkynes::testing
