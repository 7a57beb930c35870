// SPDX-FileCopyrightText: 2026 Γιώργος Παπαδόπουλος
// SPDX-License-Identifier: GPL-3.0-or-later

// A finger on the window.  The board takes no touch events of its own: Qt
// turns an unhandled touch into the mouse's press, moves and release (and
// two quick taps into a double click), so a finger reaches the model's
// dispatcher as the mouse's own events.  Only a touch that the system takes
// away needs the window's help.
#include "ui/tests/WindowFixture.h"

#include <QPointingDevice>
#include <QTouchEvent>
#include <QWindow>

namespace alkynes::testing {
namespace {

class TouchTest : public WindowTest {
  protected:
    void Down(QPoint at) { QTest::touchEvent(View(), Finger()).press(0, at, View()); }
    void Slide(QPoint to) { QTest::touchEvent(View(), Finger()).move(0, to, View()); }
    void Up(QPoint at) { QTest::touchEvent(View(), Finger()).release(0, at, View()); }
    void Tap(QPoint at) {
        Down(at);
        Up(at);
    }

    // What Qt does when the system cancels a touch: the window is told,
    // then the press it had made of the finger is released where the
    // finger last was.
    void Cancel(QPoint last) {
        QTouchEvent cancel(QEvent::TouchCancel, Finger());
        QCoreApplication::sendEvent(Window().windowHandle(), &cancel);
        Up(last);
    }

    static QPointingDevice* Finger() {
        static QPointingDevice* const finger = QTest::createTouchDevice();
        return finger;
    }
};

TEST_F(TouchTest, AFingerDragPlacesATile) {
    const std::int16_t piece = TopPiece(kRightCompound[6]);
    Down(CellSpot(kRightCompound[6]));
    ASSERT_TRUE(Model().Dragging());
    Slide(SlotSpot(3));
    Slide(SlotSpot(6));
    Up(SlotSpot(6));
    EXPECT_FALSE(Model().Dragging());
    EXPECT_EQ(SlotPiece(6), piece);
}

TEST_F(TouchTest, ADoubleTapRemovesAPlacedTile) {
    const std::int16_t piece = TopPiece(kRightCompound[1]);
    Down(CellSpot(kRightCompound[1]));
    Slide(SlotSpot(1));
    Up(SlotSpot(1));
    ASSERT_EQ(SlotPiece(1), piece);

    const QPoint on = Middle(Model().ImgMolecular(piece));
    Tap(on);
    EXPECT_EQ(SlotPiece(1), piece) << "one tap leaves it";
    Tap(on);
    EXPECT_EQ(SlotPiece(1), kEmpty);
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(Model().Dragging());
}

TEST_F(TouchTest, ACancelledTouchEndsTheDragWithNoStrandedTile) {
    const std::int16_t piece = TopPiece(kRightCompound[0]);
    Down(CellSpot(kRightCompound[0]));
    Slide(SlotSpot(0));
    ASSERT_TRUE(Model().Dragging());
    ASSERT_FALSE(RestsInPalette(piece));

    Cancel(SlotSpot(0));
    EXPECT_FALSE(Model().Dragging());
    EXPECT_TRUE(RestsInPalette(piece)) << "back in the palette, not dropped where it was";
    EXPECT_EQ(SlotPiece(0), kEmpty);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The next touch works as ever.
    Down(CellSpot(kRightCompound[0]));
    Slide(SlotSpot(0));
    Up(SlotSpot(0));
    EXPECT_NE(SlotPiece(0), kEmpty);
}

}  // namespace
}  // namespace alkynes::testing
