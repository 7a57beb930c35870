// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A finger, and the mouse with click-to-place, on the real window; what
// ends a hold; Escape on the whole screen.  The board takes no touch events
// of its own: Qt turns a touch into the mouse's press, moves and release
// (two quick taps into a double click), from a device that places without
// dragging.  Only a touch that the system takes away needs the window.
//
// Qt finds the window a finger touches by its place on the screen, and the
// test screen (800 × 600, at ratio 2 only 400 × 300) shows only the
// window's top-left: the fingers stay there, on the first palette cells
// and the left slots of reactions 0 and 1.
#include "ui/tests/WindowFixture.h"

#include <QDialog>
#include <QPointingDevice>
#include <QScreen>
#include <QTouchEvent>
#include <QWindow>

#include <utility>

#include "drag/DragPiece.h"

namespace alkynes::testing {
namespace {

// Compound 2 rests in cell 0 and compound 4 in cell 1 (the fixture's
// palette order).
constexpr int kInFirstCell = 2;
constexpr int kInSecondCell = 4;

class PlacingTest : public WindowTest {
  protected:
    static QPointingDevice* Finger() {
        static QPointingDevice* const finger = QTest::createTouchDevice();
        return finger;
    }
    void Down(QPoint at) { QTest::touchEvent(View(), Finger()).press(0, at, View()); }
    void Slide(QPoint to) { QTest::touchEvent(View(), Finger()).move(0, to, View()); }
    void Up(QPoint at) { QTest::touchEvent(View(), Finger()).release(0, at, View()); }
    void Tap(QPoint at) {
        Down(at);
        Up(at);
        Settle();
    }
    bool Holding() { return View()->Pointer().Holding(); }
};

TEST_F(PlacingTest, ACancelledTouchEndsTheDragWithNoStrandedTile) {
    const std::int16_t piece = TopPiece(kInSecondCell);
    Down(CellSpot(kInSecondCell));
    Slide(SlotSpot(2));
    ASSERT_TRUE(Model().Dragging());
    ASSERT_FALSE(RestsInPalette(piece));

    // What Qt does when the system cancels a touch: the window is told,
    // then the press it had made of the finger is released where the
    // finger last was.
    QTouchEvent cancel(QEvent::TouchCancel, Finger());
    QCoreApplication::sendEvent(Window().windowHandle(), &cancel);
    Up(SlotSpot(2));
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
using Cancel = std::pair<const char*, void (*)(Form1Window&)>;
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
    GetParam().second(Window());
    Settle();
    EXPECT_FALSE(Holding());
    EXPECT_FALSE(Model().Dragging());
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(InSomeSlot(piece));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Toolkit, CancelledHold, ::testing::ValuesIn(kCancels),
                         [](const auto& info) { return info.param.first; });

// The whole screen's size and look: e2e.placing_full.  On an X server the
// window manager resizes the window in its own time.
TEST_F(PlacingTest, OnTheWholeScreenEscapePutsATileInHandBackFirstAndThenLeaves) {
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
}

}  // namespace
}  // namespace alkynes::testing
