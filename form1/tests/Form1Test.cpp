// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Form1 as a whole: its starting position, the menu commands restart and
// exit, and complete games played through the window's dispatcher.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/FormFixture.h"

namespace alkynes::testing {
namespace {

// Compound k rests in cell kOrder[k].
const std::vector<int> kOrder{3, 8, 1, 0, 6, 2, 7, 5, 4};

class Form1Test : public FormFixture {
  protected:
    Form1Test() : FormFixture(kOrder) {}

    void ExpectStartingPosition() {
        EXPECT_TRUE(NoSlotFilled());
        ASSERT_EQ(model().PieceCount(), 117);
        for (int p = 0; p < 117; ++p) {
            EXPECT_TRUE(model().ImgMolecular(p).Visible) << "piece " << p;
            EXPECT_TRUE(AtCell(p));
        }
        for (int j = 0; j < 22; ++j) {
            EXPECT_FALSE(model().tCoefficient(j).Visible) << "box " << j;
            EXPECT_EQ(model().tCoefficient(j).Text, "") << "box " << j;
        }
        EXPECT_FALSE(model().LGrade().Visible);
        for (int m = 0; m < 3; ++m) {
            EXPECT_FALSE(model().Label1(m).Visible) << "label " << m;
        }
    }
};

TEST_F(Form1Test, LoadShowsTheStartingPositionWithTheShuffledPalette) {
    for (int k = 0; k < kCompounds; ++k) {
        EXPECT_EQ(board().PaletteOrder[static_cast<std::size_t>(k)], kOrder[k]);
    }
    ExpectStartingPosition();
    // Compound 4 rests in cell 6, the second of the lower row.
    EXPECT_TRUE(At(13, 3981, 695));
    EXPECT_TRUE(At(4, 3981, 695));
    // The master lies on top of its cell.
    const Spot cell = PaletteSpot(4);
    EXPECT_EQ(model().ControlAt(cell.x, cell.y), PieceRef(4));
}

TEST_F(Form1Test, RestartReturnsToTheStartingPositionWithANewOrder) {
    AnswerAllRight();
    form.mnuCheck_Click();
    ASSERT_TRUE(model().LGrade().Visible);

    form.mnuRestart_Click();
    // The scripted source gives the identity order once its script is used.
    for (int k = 0; k < kCompounds; ++k) {
        EXPECT_EQ(board().PaletteOrder[static_cast<std::size_t>(k)], k);
    }
    ExpectStartingPosition();
}

TEST_F(Form1Test, ExitEndsTheApplication) {
    int closes = 0;
    form.SetCloseRequest([&closes] { ++closes; });
    form.mnuExit_Click();
    EXPECT_EQ(closes, 1);
}

TEST_F(Form1Test, AFullGameThroughTheDispatcherGrades100) {
    for (int s = 0; s < kSlots; ++s) {
        const std::int16_t r = ReactionOfSlot(s);
        const bool lastOfReaction = s == SlotsOfReaction(r).back();
        EXPECT_TRUE(BoxesHidden(r)) << "slot " << s;
        const std::int16_t piece = Place(kRightCompound[s], s);
        EXPECT_EQ(piece % kCompounds, kRightCompound[s]);
        EXPECT_EQ(SlotPiece(s), piece);
        EXPECT_EQ(BoxesVisible(r), lastOfReaction) << "slot " << s;
    }
    for (int r = 0; r < 5; ++r) {
        Type(r, kRightCoefficients[static_cast<std::size_t>(r)]);
    }
    form.mnuCheck_Click();
    EXPECT_EQ(model().LGrade().Text, "100%");
    EXPECT_TRUE(model().LGrade().Visible);
    EXPECT_TRUE(model().Label1(0).Visible);
    EXPECT_TRUE(model().Label1(1).Visible);
    EXPECT_TRUE(model().Label1(2).Visible);
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_EQ(SlotPiece(s) % kCompounds, kRightCompound[s]) << "slot " << s;
    }
}

TEST_F(Form1Test, AGameWithMistakesIsCorrectedAndFinished) {
    std::vector<CheckOutcome> checks;
    int restarts = 0;
    form.SubscribeChecks([&checks](const CheckOutcome& outcome) { checks.push_back(outcome); });
    form.SubscribeRestarts([&restarts] { ++restarts; });
    for (int s = 0; s < kSlots; ++s) {
        // Hydrogen where methane belongs; the rest right.
        Place(s == 0 ? 7 : kRightCompound[s], s);
    }
    for (int r = 0; r < 5; ++r) {
        Type(r, kRightCoefficients[static_cast<std::size_t>(r)]);
    }
    Type(3, {"1", "2", "1", "2", "3"});
    form.mnuCheck_Click();
    // 51 for the compounds, 8 + 10 + 10 for the coefficients.
    EXPECT_EQ(model().LGrade().Text, "79%");
    EXPECT_EQ(SlotPiece(0), kEmpty);
    EXPECT_TRUE(BoxesHidden(0));
    EXPECT_EQ(Texts(3), (std::vector<std::string>{"", "", "", "", ""}));
    EXPECT_TRUE(BoxesVisible(3));
    EXPECT_FALSE(model().Label1(0).Visible);
    EXPECT_TRUE(model().Label1(1).Visible);
    EXPECT_FALSE(model().Label1(2).Visible);

    Place(5, 0);
    EXPECT_TRUE(BoxesVisible(0));
    EXPECT_FALSE(model().Label1(1).Visible) << "the drag hid the texts of the last check";
    Type(0, kRightCoefficients[0]);
    Type(3, kRightCoefficients[3]);
    form.mnuCheck_Click();
    EXPECT_EQ(model().LGrade().Text, "100%");
    EXPECT_TRUE(model().Label1(0).Visible);
    EXPECT_TRUE(model().Label1(1).Visible);
    EXPECT_TRUE(model().Label1(2).Visible);

    // Each check was told with the grade it showed; the restart as well.
    ASSERT_EQ(checks.size(), 2U);
    EXPECT_EQ(checks[0].score, 79);
    EXPECT_EQ(checks[0].placed[0], 7);
    EXPECT_FALSE(checks[0].kept[0]);
    EXPECT_EQ(checks[1].score, 100);
    form.mnuRestart_Click();
    EXPECT_EQ(restarts, 1);
}

}  // namespace
}  // namespace alkynes::testing
