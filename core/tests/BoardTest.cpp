// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Board.h"

#include <gtest/gtest.h>

#include "core/Startup.h"
#include "model/FormModel.h"
#include "testing/Expected.h"

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

// The answer key and the structure agree: a ratio entry for each box of the
// reaction and none past them, a compound for each slot, and the pair that
// may swap only in a reaction with three slots.
TEST(AnswerKey, FitsTheReactionsSlotsAndBoxes) {
    for (int r = 0; r < design::kReactions; ++r) {
        const ReactionKey& key = kAnswerKey[static_cast<std::size_t>(r)];
        const std::size_t boxes = ReactionBoxes(r).size();
        for (std::size_t i = 0; i < kMostBoxes; ++i) {
            EXPECT_EQ(key.ratio[i] > 0, i < boxes) << "reaction " << r << ", ratio " << i;
        }
        const std::size_t slots = SlotsOfReaction(r).size();
        for (std::size_t i = 0; i < slots; ++i) {
            EXPECT_GE(key.compounds[i], 0) << "reaction " << r;
            EXPECT_LT(key.compounds[i], kCompounds) << "reaction " << r;
        }
        EXPECT_TRUE(!key.pairedLastTwo || slots == 3) << "reaction " << r;
    }
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
    int total = 0;
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_EQ(board.Slots[s].Points, points[s]) << "slot " << s;
        EXPECT_EQ(board.Slots[s].Expected, testing::kRightCompound[s]) << "slot " << s;
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
