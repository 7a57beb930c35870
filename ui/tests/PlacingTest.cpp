// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A finger, and the mouse with click-to-place, on the real window.  The
// board takes no touch events of its own: Qt turns an unhandled touch into
// the mouse's press, moves and release (and two quick taps into a double
// click), so a finger reaches the model's dispatcher as the mouse's own
// events, from a device that places without dragging: a tap holds a tile,
// the next puts it down.  Only a touch that the system takes away needs the
// window's help.  Also what ends a hold, and Escape on the whole screen.
//
// Qt finds the window a finger touches by its place on the screen, and the
// test screen (800 × 600, at ratio 2 only 400 × 300) shows only the
// window's top-left: the fingers stay there, on the first palette cells
// and the left slots of reactions 0 and 1.
#include "ui/tests/WindowFixture.h"

#include <QDialog>
#include <QScreen>
#include <QTouchEvent>
#include <QWindow>

#include "drag/DragPiece.h"

namespace alkynes::testing {
namespace {

class PlacingTest : public WindowTest {
  protected:
    bool Holding() { return View()->Pointer().Holding(); }

    // What Qt does when the system cancels a touch: the window is told,
    // then the press it had made of the finger is released where the
    // finger last was.
    void Cancel(QPoint last) {
        QTouchEvent cancel(QEvent::TouchCancel, Finger());
        QCoreApplication::sendEvent(Window().windowHandle(), &cancel);
        Up(last);
    }
};

TEST_F(PlacingTest, ACancelledTouchEndsTheDragWithNoStrandedTile) {
    const std::int16_t piece = TopPiece(kInSecondCell);
    Down(CellSpot(kInSecondCell));
    Slide(SlotSpot(2));
    ASSERT_TRUE(Model().Dragging());
    ASSERT_FALSE(RestsInPalette(piece));

    Cancel(SlotSpot(2));
    EXPECT_FALSE(Model().Dragging());
    EXPECT_TRUE(RestsInPalette(piece)) << "back in the palette, not dropped where it was";
    EXPECT_EQ(SlotPiece(2), kEmpty);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The next touch, a finger drag, places as ever.
    Down(CellSpot(kInSecondCell));
    Slide(SlotSpot(2));
    Up(SlotSpot(2));
    EXPECT_EQ(SlotPiece(2), piece);
}

TEST_F(PlacingTest, ATapHoldsATileTheNextPutsItDownAndADoubleTapRemovesIt) {
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

    // Away from the tap that put it down, which would make a double tap.
    const QPoint on = Middle(Model().ImgMolecular(second)) + QPoint(40, 0);
    Tap(on);
    EXPECT_EQ(SlotPiece(0), second) << "one tap leaves it";
    Tap(on);
    EXPECT_EQ(SlotPiece(0), kEmpty);
    EXPECT_TRUE(RestsInPalette(second));
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
    {"ModalWindow", [](Form1Window& w) { QDialog(&w).open(); }},
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
