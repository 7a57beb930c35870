// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Board.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Startup.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

TEST(PiecesAndCompounds, CompoundIsPieceModNine) {
    EXPECT_EQ(CompoundOf(9), 0);
    EXPECT_EQ(CompoundOf(116), 8);
    EXPECT_EQ(CompoundOf(58), 4);
    int perCompound[kCompounds] = {};
    for (int p = 0; p < 117; ++p) {
        ++perCompound[CompoundOf(p)];
    }
    for (int n : perCompound) {
        EXPECT_EQ(n, kSlots) << "every compound has as many pieces as there are slots";
    }
}

TEST(ReactionsAndSlots, SlotsRunLeftToRightAndCoverAllThirteen) {
    const std::vector<std::vector<int>> expected = {
        {0, 1}, {2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}};
    std::set<int> seen;
    for (int r = 0; r < 5; ++r) {
        const auto slots = SlotsOfReaction(r);
        ASSERT_EQ(slots.size(), expected[r].size());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(slots[i], expected[r][i]);
            EXPECT_EQ(ReactionOfSlot(slots[i]), r);
            seen.insert(slots[i]);
        }
    }
    EXPECT_EQ(seen.size(), 13u);
}

TEST(ReactionsAndSlots, BoxesFollowTheRule) {
    std::set<int> seen;
    for (int r = 0; r < 5; ++r) {
        const auto boxes = ReactionBoxes(r);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int expected = 0;
            if (r == 0) {
                expected = static_cast<int>(i);
            } else if (r == 1) {
                expected = 3 + static_cast<int>(i);
            } else {
                expected = 5 * (r - 2) + 7 + static_cast<int>(i);
            }
            EXPECT_EQ(boxes[i], expected) << "reaction " << r << " box " << i;
            seen.insert(boxes[i]);
        }
        EXPECT_EQ(boxes.size(), r == 0 ? 3u : r == 1 ? 4u : 5u);
    }
    EXPECT_EQ(seen.size(), 22u);
    EXPECT_EQ(*seen.rbegin(), 21);
}

TEST(ReactionsAndSlots, FilledMeansEverySlotHoldsAPiece) {
    Board board;
    for (auto& s : board.Slots) {
        s.Piece = kEmpty;
    }
    board.Slots[4].Piece = 1;
    board.Slots[5].Piece = 8;
    EXPECT_FALSE(ReactionFilled(board, 2));
    board.Slots[6].Piece = 0;
    EXPECT_TRUE(ReactionFilled(board, 2));
    EXPECT_FALSE(ReactionFilled(board, 1));
    board.Slots[2].Piece = 0;  // piece 0 is a real piece, not an empty slot
    board.Slots[3].Piece = 15;
    EXPECT_TRUE(ReactionFilled(board, 1));
}

TEST(AnswerKey, InitBoardWritesPointsAndExpectedCompounds) {
    FormModel form;
    Board board;
    InitBoard(board, form);
    const int points[kSlots] = {5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    const int expected[kSlots] = {5, 7, 2, 6, 1, 8, 0, 4, 8, 0, 3, 8, 0};
    int total = 0;
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_EQ(board.Slots[s].Points, points[s]) << "slot " << s;
        EXPECT_EQ(board.Slots[s].Expected, expected[s]) << "slot " << s;
        total += board.Slots[s].Points;
    }
    EXPECT_EQ(total, 56);
}

TEST(CoefficientBoxes, HideEmptiesAndHidesOnlyThatReaction) {
    FormModel form;
    for (int j = 0; j < 22; ++j) {
        form.tCoefficient(j).Text = "7";
        form.tCoefficient(j).Visible = true;
    }
    HideCoefficients(form, 1);
    for (int j = 0; j < 22; ++j) {
        const bool ofReaction1 = j >= 3 && j <= 6;
        EXPECT_EQ(form.tCoefficient(j).Visible, !ofReaction1) << "box " << j;
        EXPECT_EQ(form.tCoefficient(j).Text, ofReaction1 ? "" : "7") << "box " << j;
    }
}

TEST(CoefficientBoxes, ShowKeepsTextsAndTouchesOnlyThatReaction) {
    FormModel form;
    for (int j = 0; j < 22; ++j) {
        form.tCoefficient(j).Visible = false;
        form.tCoefficient(j).Text = "x" + std::to_string(j);
    }
    ShowCoefficients(form, 1);
    for (int j = 0; j < 22; ++j) {
        EXPECT_EQ(form.tCoefficient(j).Visible, j >= 3 && j <= 6) << "box " << j;
        EXPECT_EQ(form.tCoefficient(j).Text, "x" + std::to_string(j));
    }
}

TEST(MethodLabels, ReactionsTwoToFourShareTheThirdLabel) {
    EXPECT_EQ(MethodLabelOf(0), 0);
    EXPECT_EQ(MethodLabelOf(1), 1);
    EXPECT_EQ(MethodLabelOf(2), 2);
    EXPECT_EQ(MethodLabelOf(3), 2);
    EXPECT_EQ(MethodLabelOf(4), 2);
}

}  // namespace
}  // namespace alkynes
