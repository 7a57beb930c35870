// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/Palette.h"
#include "core/Startup.h"
#include "testing/Expected.h"
#include "testing/ScriptedRandom.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

using testing::kRightCompound;

// A board in its starting position, with helpers to lay compounds into
// slots and a judge of coefficients that says yes for chosen reactions.
class CheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitBoard(board, form);
        Restart(board, form, random);
    }

    // Puts a piece of compound k into slot s (a piece no other slot uses).
    std::int16_t Put(int s, int k) {
        const auto p = static_cast<std::int16_t>(k + 9 * s);
        board.Slots[s].Piece = p;
        form.ImgMolecular(p).Left = 1000.0f + 100.0f * static_cast<float>(s);
        form.ImgMolecular(p).Top = 2000.0f + 100.0f * static_cast<float>(s);
        return p;
    }
    void PutAnswers(std::initializer_list<int> reactions) {
        for (int r : reactions) {
            for (std::int16_t s : SlotsOfReaction(r)) {
                Put(s, kRightCompound[s]);
            }
        }
    }
    void ShowBoxes(int r, const char* text) {
        for (std::int16_t j : ReactionBoxes(r)) {
            form.tCoefficient(j).Visible = true;
            form.tCoefficient(j).Text = text;
        }
    }
    bool AtPalette(std::int16_t p) {
        const Point cell = PaletteCellPosition(form, board.PaletteOrder[CompoundOf(p)]);
        return form.ImgMolecular(p).Left == cell.Left && form.ImgMolecular(p).Top == cell.Top;
    }
    std::int16_t Check() {
        outcome = CheckAndGrade(board, form, [this](std::int16_t r) {
            asked.push_back(r);
            return right.count(r) > 0;
        });
        return outcome.score;
    }

    FormModel form;
    Board board;
    testing::ScriptedRandom random;
    std::set<int> right;
    std::vector<int> asked;
    CheckOutcome outcome;
};

TEST_F(CheckTest, StartingPositionGradesZeroAndMovesNothing) {
    const auto before = form.ImgMolecular(0).Left;
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(form.LGrade().Text, "0%");
    EXPECT_TRUE(form.LGrade().Visible);
    EXPECT_FALSE(form.Label1(2).Visible);
    EXPECT_TRUE(asked.empty()) << "unfilled reactions are not judged";
    EXPECT_EQ(form.ImgMolecular(0).Left, before);
    for (int j = 0; j < 22; ++j) {
        EXPECT_FALSE(form.tCoefficient(j).Visible);
    }
}

TEST_F(CheckTest, GradeExamples) {
    PutAnswers({0, 1});
    EXPECT_EQ(Check(), 20);
    EXPECT_EQ(form.LGrade().Text, "20%");

    PutAnswers({2, 3, 4});
    EXPECT_EQ(Check(), 56);

    right = {0, 1, 2, 3, 4};
    EXPECT_EQ(Check(), 100);
    EXPECT_EQ(form.LGrade().Text, "100%");
    for (int m = 0; m < 3; ++m) {
        EXPECT_TRUE(form.Label1(m).Visible) << "label " << m;
        EXPECT_TRUE(outcome.revealed[m]) << "label " << m;
        EXPECT_FALSE(outcome.revealedBefore[m]) << "label " << m;
    }
    for (int r = 0; r < 5; ++r) {
        EXPECT_TRUE(outcome.filled[r] && outcome.coefficientsRight[r]) << "reaction " << r;
    }
}

TEST_F(CheckTest, PairTakesItsCompoundsInEitherOrder) {
    Put(5, 0);
    Put(6, 8);
    EXPECT_EQ(Check(), 8);
    EXPECT_NE(board.Slots[5].Piece, kEmpty);
    EXPECT_NE(board.Slots[6].Piece, kEmpty);
}

TEST_F(CheckTest, DoubleInAPairSendsBackTheRightOne) {
    PutAnswers({3});
    const std::int16_t left = board.Slots[8].Piece;
    const std::int16_t right8 = Put(9, 8);
    ShowBoxes(3, "2");
    EXPECT_EQ(Check(), 4 + 4);
    EXPECT_EQ(board.Slots[8].Piece, left);
    EXPECT_EQ(board.Slots[9].Piece, kEmpty);
    EXPECT_TRUE(AtPalette(right8));
    for (std::int16_t j : ReactionBoxes(3)) {
        EXPECT_FALSE(form.tCoefficient(j).Visible);
        EXPECT_EQ(form.tCoefficient(j).Text, "");
    }
}

TEST_F(CheckTest, WrongDoubleLosesBothPieces) {
    const std::int16_t a = Put(5, 1);
    const std::int16_t b = Put(6, 1);
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(board.Slots[5].Piece, kEmpty);
    EXPECT_EQ(board.Slots[6].Piece, kEmpty);
    EXPECT_TRUE(AtPalette(a));
    EXPECT_TRUE(AtPalette(b));
}

TEST_F(CheckTest, WrongFixedSlotCostsTheCoefficientMarks) {
    PutAnswers({2});
    const std::int16_t wrong = Put(4, 2);
    ShowBoxes(2, "3");
    right = {2};
    EXPECT_EQ(Check(), 8);
    EXPECT_EQ(board.Slots[4].Piece, kEmpty);
    EXPECT_TRUE(AtPalette(wrong));
    EXPECT_FALSE(form.tCoefficient(7).Visible);
    EXPECT_TRUE(std::find(asked.begin(), asked.end(), 2) == asked.end());
    // The outcome tells what the board held and what the check did to it.
    EXPECT_EQ(outcome.placed[4], 2);
    EXPECT_FALSE(outcome.kept[4]);
    EXPECT_EQ(outcome.placed[5], 8);
    EXPECT_TRUE(outcome.kept[5]);
    EXPECT_EQ(outcome.placed[0], kEmpty);
    EXPECT_FALSE(outcome.kept[0]);
    EXPECT_EQ(outcome.typed[7], "3");
    EXPECT_TRUE(outcome.shown[7]);
    EXPECT_FALSE(outcome.shown[0]);
    EXPECT_FALSE(outcome.filled[2]);
    EXPECT_FALSE(outcome.coefficientsRight[2]);
}

TEST_F(CheckTest, WrongFixedSlotsOfEveryReactionAreSentBack) {
    const int wrongCompound[kSlots] = {0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1};
    std::vector<std::int16_t> pieces;
    for (int s : {0, 1, 2, 3, 4, 7, 10}) {
        pieces.push_back(Put(s, wrongCompound[s]));
    }
    EXPECT_EQ(Check(), 0);
    for (std::int16_t p : pieces) {
        EXPECT_TRUE(AtPalette(p)) << "piece " << p;
    }
    for (const SlotEntry& slot : board.Slots) {
        EXPECT_EQ(slot.Piece, kEmpty);
    }
}

TEST_F(CheckTest, OneReactionCompletelyRight) {
    PutAnswers({1});
    right = {1};
    EXPECT_EQ(Check(), 18);
    EXPECT_TRUE(form.Label1(1).Visible);
    EXPECT_FALSE(form.Label1(0).Visible);
    EXPECT_FALSE(form.Label1(2).Visible);
}

TEST_F(CheckTest, ThirdMethodNeedsAllThreeReactions) {
    PutAnswers({2, 3, 4});
    right = {2, 3};
    EXPECT_EQ(Check(), 3 * 12 + 10 + 10);
    EXPECT_FALSE(form.Label1(2).Visible);
    // Each filled reaction is judged once: the label goes by the same answers
    // as the marks.
    EXPECT_EQ(asked, (std::vector<int>{2, 3, 4}));
}

TEST_F(CheckTest, ThirdMethodLabelHidesWhenAReactionIsNotFilled) {
    PutAnswers({2, 3});
    right = {2, 3, 4};
    form.Label1(2).Visible = true;
    EXPECT_EQ(Check(), 24 + 20);
    EXPECT_FALSE(form.Label1(2).Visible);
}

TEST_F(CheckTest, MethodTextDisappearsWhenItsAnswerIsNoLongerRight) {
    PutAnswers({0});
    right = {0};
    Check();
    EXPECT_TRUE(form.Label1(0).Visible);
    right = {};
    EXPECT_EQ(Check(), 10);
    EXPECT_FALSE(form.Label1(0).Visible);
}

TEST_F(CheckTest, CheckingTwiceGivesTheSameGrade) {
    PutAnswers({0, 2});
    Put(3, 0);  // reaction 1 half filled with a wrong compound
    right = {0};
    const std::int16_t first = Check();
    const auto slots = board.Slots;
    EXPECT_EQ(Check(), first);
    EXPECT_EQ(first, 10 + 6 + 12);
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_EQ(board.Slots[s].Piece, slots[s].Piece);
    }
}

}  // namespace
}  // namespace alkynes
