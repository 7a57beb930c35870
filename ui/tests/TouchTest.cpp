// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A finger on the window.  The board takes no touch events of its own: Qt
// turns an unhandled touch into the mouse's press, moves and release (and
// two quick taps into a double click), so a finger reaches the model's
// dispatcher as the mouse's own events.  Only a touch that the system takes
// away needs the window's help.
//
// Qt finds the window a finger touches by its place on the screen, and the
// test screen (800 × 600, at ratio 2 only 400 × 300) shows only the
// window's top-left: the fingers stay there, on the first palette cells
// and the left slots of reactions 0 and 1.
#include "ui/tests/WindowFixture.h"

#include <QTouchEvent>
#include <QWindow>

namespace alkynes::testing {
namespace {

class TouchTest : public WindowTest {
  protected:
    // What Qt does when the system cancels a touch: the window is told,
    // then the press it had made of the finger is released where the
    // finger last was.
    void Cancel(QPoint last) {
        QTouchEvent cancel(QEvent::TouchCancel, Finger());
        QCoreApplication::sendEvent(Window().windowHandle(), &cancel);
        Up(last);
    }
};

// Any compound may go into any slot.
TEST_F(TouchTest, AFingerDragPlacesATile) {
    const std::int16_t piece = TopPiece(kInFirstCell);
    Down(CellSpot(kInFirstCell));
    ASSERT_TRUE(Model().Dragging());
    Slide(SlotSpot(2));
    Slide(SlotSpot(0));
    Up(SlotSpot(0));
    EXPECT_FALSE(Model().Dragging());
    EXPECT_EQ(SlotPiece(0), piece);
}

TEST_F(TouchTest, ADoubleTapRemovesAPlacedTile) {
    const std::int16_t piece = TopPiece(kInFirstCell);
    Down(CellSpot(kInFirstCell));
    Slide(SlotSpot(0));
    Up(SlotSpot(0));
    ASSERT_EQ(SlotPiece(0), piece);

    const QPoint on = Middle(Model().ImgMolecular(piece));
    Tap(on);
    EXPECT_EQ(SlotPiece(0), piece) << "one tap leaves it";
    Tap(on);
    EXPECT_EQ(SlotPiece(0), kEmpty);
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(Model().Dragging());
}

TEST_F(TouchTest, ACancelledTouchEndsTheDragWithNoStrandedTile) {
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

    // The next touch works as ever.
    Down(CellSpot(kInSecondCell));
    Slide(SlotSpot(2));
    Up(SlotSpot(2));
    EXPECT_EQ(SlotPiece(2), piece);
}

}  // namespace
}  // namespace alkynes::testing
