// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drops on the reaction pictures: which slot a drop fills, where the piece
// snaps to, replacement of an occupant and the coefficient boxes of a
// completed reaction.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testing/FormFixture.h"

namespace alkynes::testing {
namespace {

struct DropCase {
    int reaction;
    Twips X;  // from the picture's left edge
    int slot;
};

// The boundaries: the centre line W / 2 belongs to the slot right of it;
// window x 11880 (X = 11760 on reactions 2 to 4) still to the middle slot.
constexpr DropCase kDrops[] = {
    {0, 0, 0},       {0, 5924.5f, 0}, {0, 5925, 1},     {0, 11849.5f, 1}, {1, 0, 2},
    {1, 5924.5f, 2}, {1, 5925, 3},    {1, 11849.5f, 3}, {2, 0, 4},        {2, 7484.5f, 4},
    {2, 7485, 5},    {2, 11760, 5},   {2, 11760.5f, 6}, {2, 14969.5f, 6}, {3, 100, 7},
    {3, 7485, 8},    {3, 11760, 8},   {3, 11761, 9},    {4, 7484, 10},    {4, 7485, 11},
    {4, 11760, 11},  {4, 11775, 12},
};

using Placement = FormFixture;

TEST_F(Placement, TheSlotFollowsThePointersHorizontalPositionOnly) {
    for (const DropCase& c : kDrops) {
        const Control& picture = model().ImgSyntactic(c.reaction);
        // The top and the bottom edge of the picture.
        for (Twips y : {picture.Top, picture.Top + picture.Height - 0.5f}) {
            SCOPED_TRACE(::testing::Message()
                         << "reaction " << c.reaction << " X " << c.X << " y " << y);
            form.mnuRestart_Click();
            const Spot at{picture.Left + c.X, y};
            Press(PaletteSpot(4));
            const std::int16_t piece = board().DragIndex;
            Move(at);
            Release(at);
            for (int s = 0; s < kSlots; ++s) {
                EXPECT_EQ(SlotPiece(s), s == c.slot ? piece : kEmpty) << "slot " << s;
            }
            EXPECT_TRUE(At(piece, kSnapLeft[c.slot], kSnapTop[c.slot]));
        }
    }
}

TEST_F(Placement, AFilledSlotGivesItsPieceBackToThePalette) {
    EXPECT_EQ(Place(1, 4), 1);
    EXPECT_EQ(Place(3, 4), 3);
    EXPECT_EQ(SlotPiece(4), 3);
    EXPECT_TRUE(AtCell(1));
    EXPECT_TRUE(At(3, 890, 5942.5f));

    // Also when both are of the same compound.
    EXPECT_EQ(Place(3, 4), 12);
    EXPECT_EQ(SlotPiece(4), 12);
    EXPECT_TRUE(AtCell(3));
    EXPECT_TRUE(At(12, 890, 5942.5f));
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_EQ(SlotPiece(s), s == 4 ? 12 : kEmpty);
    }
}

TEST_F(Placement, TheLastSlotOfAReactionShowsItsBoxesEmpty) {
    Place(1, 4);
    Place(8, 5);
    EXPECT_TRUE(BoxesHidden(2));
    Place(0, 6);
    EXPECT_TRUE(BoxesVisible(2));
    EXPECT_EQ(Texts(2), (std::vector<std::string>{"", "", "", "", ""}));
    for (int r : {0, 1, 3, 4}) {
        EXPECT_TRUE(BoxesHidden(r)) << "reaction " << r;
    }

    // A replacement in the complete reaction keeps the boxes and texts.
    Type(2, {"1", "2", "1", "2", "2"});
    const std::int16_t old = SlotPiece(5);
    const std::int16_t piece = Place(7, 5);
    EXPECT_EQ(SlotPiece(5), piece);
    EXPECT_TRUE(AtCell(old));
    EXPECT_TRUE(BoxesVisible(2));
    EXPECT_EQ(Texts(2), (std::vector<std::string>{"1", "2", "1", "2", "2"}));
}

TEST_F(Placement, OneCompoundCanFillEverySlot) {
    std::vector<std::int16_t> used;
    for (int s = 0; s < kSlots; ++s) {
        used.push_back(Place(8, s));
    }
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(s);
        const std::int16_t piece = SlotPiece(s);
        EXPECT_EQ(piece, used[static_cast<std::size_t>(s)]);
        EXPECT_EQ(piece % kCompounds, 8);
        EXPECT_TRUE(At(piece, kSnapLeft[s], kSnapTop[s]));
    }
    std::sort(used.begin(), used.end());
    EXPECT_EQ(std::adjacent_find(used.begin(), used.end()), used.end()) << "13 different pieces";
    for (int r = 0; r < 5; ++r) {
        EXPECT_TRUE(BoxesVisible(r)) << "reaction " << r;
    }
    // The palette has given all 13 pieces of the compound.
    const Spot cell = PaletteSpot(8);
    EXPECT_EQ(model().ControlAt(cell.x, cell.y), std::nullopt);
    Press(cell);
    EXPECT_FALSE(model().Dragging());
}

}  // namespace
}  // namespace alkynes::testing
