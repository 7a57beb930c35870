// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing without dragging on the real window: a finger's taps (Qt's touch
// events, which Qt turns into the mouse events the board takes) and the
// mouse's clicks with click-to-place; what ends a hold; Escape on the whole
// screen.  The fingers stay on the window's top-left, which the small test
// screen shows (TouchTest.cpp says why).
#include "ui/tests/WindowFixture.h"

#include <QDialog>
#include <QScreen>

#include "drag/DragPiece.h"

namespace alkynes::testing {
namespace {

class PlacingTest : public WindowTest {
  protected:
    bool Holding() { return View()->Pointer().Holding(); }
};

TEST_F(PlacingTest, ATapHoldsATileAndTheNextTapPutsItIntoABlankOrOnAPlacedPiece) {
    const std::int16_t first = TopPiece(kInFirstCell);
    Tap(CellSpot(kInFirstCell));
    ASSERT_TRUE(Holding());
    EXPECT_EQ(View()->Pointer().HeldPiece(), first);
    EXPECT_FALSE(RestsInPalette(first)) << "shown lifted, where the finger was";
    Tap(SlotSpot(0));
    EXPECT_FALSE(Holding());
    EXPECT_EQ(SlotPiece(0), first);

    const std::int16_t second = TopPiece(kInSecondCell);
    Tap(CellSpot(kInSecondCell));
    Tap(Middle(Model().ImgMolecular(first)));
    EXPECT_EQ(SlotPiece(0), second) << "a tap on the placed piece replaces it";
    EXPECT_TRUE(RestsInPalette(first));
    EXPECT_FALSE(Model().Dragging());
}

TEST_F(PlacingTest, ClickToPlaceHoldsATileThatFollowsThePointerAndFillsABoxsSlot) {
    FillReaction(0);
    View()->SetClickToPlace(true);
    const std::int16_t piece = TopPiece(3);
    QTest::mouseClick(View(), Qt::LeftButton, {}, CellSpot(3));
    ASSERT_TRUE(Holding());
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "the drag icon at the pointer";

    const QLineEdit* box = View()->Box(1);
    const QPoint overBox = box->geometry().center();
    Move(overBox);
    EXPECT_FLOAT_EQ(Model().ImgMolecular(piece).Left, Twip(overBox).x() + kPointerOffset)
        << "it follows over a box too";
    QTest::mouseClick(View(), Qt::LeftButton, {}, overBox);
    EXPECT_FALSE(Holding());
    EXPECT_EQ(SlotPiece(1), piece) << "box 1 stands for slot 1";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(box->testAttribute(Qt::WA_TransparentForMouseEvents))
        << "the boxes take the mouse again";
}

// What the toolkit does that ends a hold (a menu command ends it the way
// the restart does).
struct Cancel {
    const char* name;
    void (*happen)(Form1Window&);
};
const Cancel kCancels[] = {
    {"Escape", [](Form1Window&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
    {"FocusToABox", [](Form1Window& w) { w.Board()->Box(0)->setFocus(Qt::TabFocusReason); }},
    {"ModalWindow",
     [](Form1Window& w) {
         QDialog dialog(&w);
         dialog.setModal(true);
         dialog.show();
         QCoreApplication::processEvents();
     }},
    {"MenuRestart", [](Form1Window& w) { w.MenuItem("mnuRestart")->trigger(); }},
};

class CancelledHold : public PlacingTest, public ::testing::WithParamInterface<Cancel> {};

TEST_P(CancelledHold, PutsTheTileBack) {
    FillReaction(0);
    const std::int16_t piece = TopPiece(3);
    Tap(CellSpot(3));
    ASSERT_TRUE(Holding());
    GetParam().happen(Window());
    Settle();
    EXPECT_FALSE(Holding());
    EXPECT_FALSE(Model().Dragging());
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(InSomeSlot(piece));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Toolkit, CancelledHold, ::testing::ValuesIn(kCancels),
                         [](const auto& info) { return info.param.name; });

// The whole screen's size and look: e2e.placing_full.  On an X server the
// window manager resizes the window in its own time.
TEST_F(PlacingTest, OnTheWholeScreenEscapePutsATileInHandBackFirstAndThenLeaves) {
    const qreal zoom = twips::Zoom();
    const QSize size = Window().size();
    QTest::keyClick(&Window(), Qt::Key_F11);
    ASSERT_TRUE(Window().FullScreen());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Window().geometry() == Window().screen()->geometry(); }));

    Tap(CellSpot(kInFirstCell));
    ASSERT_TRUE(Holding());
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_FALSE(Holding());
    EXPECT_TRUE(Window().FullScreen());
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_FALSE(Window().FullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Window().size() == size; }));
    EXPECT_EQ(twips::Zoom(), zoom);
}

}  // namespace
}  // namespace alkynes::testing
