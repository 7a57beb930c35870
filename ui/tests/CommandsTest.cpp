// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu commands clicked on the real menu bar, and typing into the
// coefficient boxes.
#include "ui/tests/WindowFixture.h"

#include <QSignalSpy>

namespace alkynes::testing {
namespace {

using CommandsTest = WindowTest;

TEST_F(CommandsTest, CheckShowsTheGradeAndRestartStartsAgain) {
    const std::int16_t wrong = DragCompound(0, SlotSpot(0));  // compound 5 belongs there
    const std::int16_t right = DragCompound(kRightCompound[1], SlotSpot(1));
    ASSERT_EQ(SlotPiece(0), wrong);

    ClickMenu("mnuCheck");
    EXPECT_TRUE(Model().LGrade().Visible);
    EXPECT_EQ(Model().LGrade().Text, "5%");
    EXPECT_EQ(SlotPiece(0), kEmpty);  // the wrong piece went back
    EXPECT_TRUE(RestsInPalette(wrong));
    EXPECT_EQ(SlotPiece(1), right);

    ASSERT_EQ(random_->seeds, 1);
    ClickMenu("mnuRestart");
    EXPECT_EQ(random_->seeds, 2);
    EXPECT_FALSE(Model().LGrade().Visible);
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_EQ(SlotPiece(s), kEmpty) << s;
    }
    EXPECT_TRUE(RestsInPalette(right));
}

TEST_F(CommandsTest, TypedCoefficientsReachTheModelAndAreGraded) {
    FillReaction(0);
    const std::span<const std::int16_t> boxes = ReactionBoxes(0);
    for (const std::int16_t j : boxes) {
        ASSERT_TRUE(View()->Box(j)->isVisible()) << j;
        ASSERT_TRUE(View()->Box(j)->text().isEmpty()) << j;
    }
    Type(boxes[0], QStringLiteral("4"));
    Type(boxes[1], QStringLiteral("2"));
    Type(boxes[2], QStringLiteral("6"));
    EXPECT_EQ(Model().tCoefficient(boxes[0]).Text, "4");
    EXPECT_EQ(Model().tCoefficient(boxes[1]).Text, "2");
    EXPECT_EQ(Model().tCoefficient(boxes[2]).Text, "6");
    EXPECT_FALSE(Model().LGrade().Visible);  // nothing reacts to typing

    ClickMenu("mnuCheck");
    EXPECT_EQ(Model().LGrade().Text, "16%");  // 5 + 5 for the compounds, 6 for 4 : 2 : 6
    EXPECT_TRUE(Model().Label1(0).Visible);
    EXPECT_EQ(View()->Box(boxes[0])->text(), QStringLiteral("4"));

    // A wrong ratio is emptied by the check, in the line edits too.
    Type(boxes[2], QStringLiteral("1"));
    EXPECT_EQ(Model().tCoefficient(boxes[2]).Text, "61");
    ClickMenu("mnuCheck");
    EXPECT_EQ(Model().LGrade().Text, "10%");
    EXPECT_FALSE(Model().Label1(0).Visible);
    for (const std::int16_t j : boxes) {
        EXPECT_TRUE(View()->Box(j)->text().isEmpty()) << j;
        EXPECT_TRUE(View()->Box(j)->isVisible()) << j;
    }

    ClickMenu("mnuRestart");
    for (const std::int16_t j : boxes) {
        EXPECT_FALSE(View()->Box(j)->isVisible()) << j;
    }
}

TEST_F(CommandsTest, InformationItemsAreSignalsAndTheBarDoesNothing) {
    QSignalSpy help(&Window(), &Form1Window::helpRequested);
    QSignalSpy sheet(&Window(), &Form1Window::sheetRequested);
    QSignalSpy about(&Window(), &Form1Window::aboutRequested);
    const std::int16_t piece = DragCompound(2, SlotSpot(6));

    ClickMenu("mnuHelp");
    ClickMenu("mnuSheet");
    ClickMenu("mnuAbout");
    ClickMenu("mnuVSeperator");
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(sheet.count(), 1);
    EXPECT_EQ(about.count(), 1);
    // None of them touched the exercise.
    EXPECT_EQ(SlotPiece(6), piece);
    EXPECT_FALSE(Model().LGrade().Visible);
    EXPECT_EQ(random_->seeds, 1);
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(CommandsTest, ExitEndsTheApplicationClosingEveryWindow) {
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    ClickMenu("mnuExit");
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(other.isVisible());
}

TEST_F(CommandsTest, ClosingTheWindowEndsTheApplicationWithoutAsking) {
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    EXPECT_TRUE(Window().close());
    Settle();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(other.isVisible());
}

}  // namespace
}  // namespace alkynes::testing
