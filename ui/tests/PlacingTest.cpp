// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing without dragging on the real window: a finger's taps (Qt's touch
// events, which Qt turns into the mouse events the board takes) and the
// mouse's clicks with click-to-place; what ends a hold; Escape on the whole
// screen.
//
// The fingers stay on the window's top-left, which the small test screen
// shows (TouchTest.cpp says why).
#include "ui/tests/WindowFixture.h"

#include <QDialog>
#include <QPointingDevice>
#include <QScreen>
#include <QTouchEvent>

#include <functional>

#include "drag/DragPiece.h"

namespace alkynes::testing {
namespace {

class PlacingTest : public WindowTest {
  protected:
    void Tap(QPoint at) {
        QTest::touchEvent(View(), Finger()).press(0, at, View());
        QTest::touchEvent(View(), Finger()).release(0, at, View());
        Settle();
    }
    void Click(QPoint at) {
        QTest::mouseClick(View(), Qt::LeftButton, {}, at);
        Settle();
    }
    static QPointingDevice* Finger() {
        static QPointingDevice* const finger = QTest::createTouchDevice();
        return finger;
    }
    bool Holding() { return View()->Pointer().Holding(); }
};

// Compound 2 rests in cell 0 and compound 4 in cell 1 (the fixture's
// palette order).
constexpr int kInFirstCell = 2;
constexpr int kInSecondCell = 4;

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

    Tap(CellSpot(kInFirstCell));
    Tap(CellSpot(kInSecondCell));
    EXPECT_FALSE(Holding()) << "a tap on another tile sends the held one back";
    EXPECT_EQ(SlotPiece(0), second);
    EXPECT_FALSE(Model().Dragging());
}

TEST_F(PlacingTest, ClickToPlaceHoldsATileThatFollowsThePointerAndFillsABoxsSlot) {
    FillReaction(0);
    View()->SetClickToPlace(true);
    const std::int16_t piece = TopPiece(3);
    Click(CellSpot(3));
    ASSERT_TRUE(Holding());
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "the drag icon at the pointer";

    const QLineEdit* box = View()->Box(1);
    const QPoint overBox = box->geometry().center();
    Move(overBox);
    const Control& p = Model().ImgMolecular(piece);
    EXPECT_FLOAT_EQ(p.Left, Twip(overBox).x() + kPointerOffset) << "it follows over a box too";
    Click(overBox);
    EXPECT_FALSE(Holding());
    EXPECT_EQ(SlotPiece(1), piece) << "box 1 stands for slot 1";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(box->testAttribute(Qt::WA_TransparentForMouseEvents))
        << "the boxes take the mouse again";
}

struct Cancel {
    const char* name;
    std::function<void(PlacingTest&, Form1Window&)> happen;
};

class CancelledHold : public PlacingTest, public ::testing::WithParamInterface<Cancel> {};

TEST_P(CancelledHold, PutsTheTileBack) {
    FillReaction(0);
    const std::int16_t piece = TopPiece(3);
    Tap(CellSpot(3));
    ASSERT_TRUE(Holding());

    GetParam().happen(*this, Window());
    Settle();

    EXPECT_FALSE(Holding());
    EXPECT_FALSE(Model().Dragging());
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(InSomeSlot(piece));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Toolkit, CancelledHold,
    ::testing::Values(Cancel{"Escape",
                             [](PlacingTest&, Form1Window&) {
                                 QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                             }},
                      Cancel{"FocusToABox",
                             [](PlacingTest&, Form1Window& window) {
                                 window.Board()->Box(0)->setFocus(Qt::TabFocusReason);
                             }},
                      Cancel{"ModalWindow",
                             [](PlacingTest&, Form1Window& window) {
                                 QDialog dialog(&window);
                                 dialog.setModal(true);
                                 dialog.show();
                                 QCoreApplication::processEvents();
                                 dialog.close();
                             }},
                      Cancel{"MenuCheck",
                             [](PlacingTest&, Form1Window& window) {
                                 window.MenuItem("mnuCheck")->trigger();
                             }},
                      Cancel{"MenuRestart",
                             [](PlacingTest&, Form1Window& window) {
                                 window.MenuItem("mnuRestart")->trigger();
                             }}),
    [](const ::testing::TestParamInfo<Cancel>& info) { return info.param.name; });

// --- The whole screen (its size and look: e2e.placing_full) -----------------

TEST_F(PlacingTest, OnTheWholeScreenEscapePutsATileInHandBackFirstAndThenLeaves) {
    const qreal zoom = twips::Zoom();
    const QSize size = Window().size();
    QTest::keyClick(&Window(), Qt::Key_F11);
    Settle();
    ASSERT_TRUE(Window().FullScreen());
    EXPECT_EQ(Window().geometry(), Window().screen()->geometry());

    Tap(CellSpot(kInFirstCell));
    ASSERT_TRUE(Holding());
    QTest::keyClick(&Window(), Qt::Key_Escape);
    EXPECT_FALSE(Holding());
    EXPECT_TRUE(Window().FullScreen());
    QTest::keyClick(&Window(), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(Window().FullScreen());
    EXPECT_EQ(twips::Zoom(), zoom);
    EXPECT_EQ(Window().size(), size);
}

}  // namespace
}  // namespace alkynes::testing
