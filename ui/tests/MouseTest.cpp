// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Real mouse input over the window: drags, drops, removal, interrupted
// drags, the pointer's cursor and the pieces' tooltips.
#include "ui/tests/WindowFixture.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QToolTip>

#include <functional>

#include "drag/DragPiece.h"

namespace alkynes::testing {
namespace {

using MouseTest = WindowTest;

TEST_F(MouseTest, PieceDraggedAcrossPicturesAndABoxLandsInTheSlot) {
    // Reaction 0 filled: its coefficient boxes appear, as line edits.
    FillReaction(0);
    ASSERT_NE(SlotPiece(0), kEmpty);
    ASSERT_NE(SlotPiece(1), kEmpty);
    for (const std::int16_t j : ReactionBoxes(0)) {
        EXPECT_TRUE(View()->Box(j)->isVisible()) << j;
    }

    const std::int16_t piece = TopPiece(2);
    Press(CellSpot(2));
    ASSERT_TRUE(Model().Dragging());
    EXPECT_EQ(State().DragIndex, piece);

    // Over a reaction picture the piece follows the pointer.
    const QPoint overPicture = SlotSpot(3);
    Move(overPicture);
    EXPECT_FLOAT_EQ(Model().ImgMolecular(piece).Left, Twip(overPicture).x() + kPointerOffset);

    // Over a visible coefficient box (a child widget) the moves still reach
    // the model, and the piece follows the pointer there too.
    const QPoint overBox = View()->Box(1)->geometry().center();
    Move(overBox);
    const Control& p = Model().ImgMolecular(piece);
    EXPECT_FLOAT_EQ(p.Left, Twip(overBox).x() + kPointerOffset);
    EXPECT_FLOAT_EQ(p.Top, Twip(overBox).y() - p.Height / 2);

    Release(SlotSpot(4));
    EXPECT_FALSE(Model().Dragging());
    EXPECT_EQ(SlotPiece(4), piece);
    const Point at = SlotPosition(Model(), 4, piece);
    EXPECT_EQ(p.Left, at.Left);
    EXPECT_EQ(p.Top, at.Top);
}

TEST_F(MouseTest, EveryButtonDragsAPiece) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        const std::int16_t piece = TopPiece(kRightCompound[2]);
        Press(CellSpot(kRightCompound[2]), button);
        Move(SlotSpot(3));
        Release(SlotSpot(2), button);
        EXPECT_EQ(SlotPiece(2), piece) << button;
    }
}

TEST_F(MouseTest, ReleaseOutsideTheWindowReturnsThePiece) {
    const std::int16_t piece = TopPiece(6);
    Press(CellSpot(6));
    Move(SlotSpot(0));
    ASSERT_FALSE(RestsInPalette(piece));
    Release(QPoint(View()->width() + 40, 300));
    EXPECT_FALSE(Model().Dragging());
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(InSomeSlot(piece));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MouseTest, ADragThatLeavesTheWindowAndComesBackGoesOn) {
    const std::int16_t piece = TopPiece(kRightCompound[1]);
    Press(CellSpot(kRightCompound[1]));
    Move(SlotSpot(0));
    const Control before = Model().ImgMolecular(piece);
    // Past the right edge and over the menu bar nothing is dragged over:
    // the piece stays where it was and the drag goes on.
    for (const QPoint out : {QPoint(View()->width() + 40, 300), QPoint(300, -10)}) {
        Move(out);
        EXPECT_TRUE(Model().Dragging());
        EXPECT_EQ(Model().ImgMolecular(piece).Left, before.Left);
        EXPECT_EQ(Model().ImgMolecular(piece).Top, before.Top);
    }
    Move(SlotSpot(1));
    Release(SlotSpot(1));
    EXPECT_EQ(SlotPiece(1), piece);
}

TEST_F(MouseTest, DoubleClickTakesAPlacedPieceOut) {
    const std::int16_t piece = DragCompound(kRightCompound[0], SlotSpot(0));
    ASSERT_EQ(SlotPiece(0), piece);
    const QPoint on = Middle(Model().ImgMolecular(piece));
    QTest::mouseDClick(View(), Qt::LeftButton, {}, on);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, on);
    EXPECT_EQ(SlotPiece(0), kEmpty);
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(Model().Dragging());
}

// Ways in which the toolkit takes a drag away from the window.  Each must
// end the drag with the piece back in the palette.
struct Interruption {
    const char* name;
    std::function<void(WindowTest&, Form1Window&, BoardWidget*)> happen;
};

void PrintTo(const Interruption& interruption, std::ostream* os) {
    *os << interruption.name;
}

class InterruptedDrag : public WindowTest, public ::testing::WithParamInterface<Interruption> {};

TEST_P(InterruptedDrag, EndsTheDragWithThePieceInThePalette) {
    // With the student's focus in a coefficient box, as while typing.
    FillReaction(0);
    Type(0, QStringLiteral("2"));

    const std::int16_t piece = TopPiece(3);
    Press(CellSpot(3));
    Move(SlotSpot(5));
    ASSERT_TRUE(Model().Dragging());
    ASSERT_FALSE(RestsInPalette(piece));

    GetParam().happen(*this, Window(), View());
    Settle();

    EXPECT_FALSE(Model().Dragging());
    EXPECT_TRUE(RestsInPalette(piece));
    EXPECT_FALSE(InSomeSlot(piece));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The other pieces stay where they were.
    EXPECT_NE(SlotPiece(0), kEmpty);
    EXPECT_NE(SlotPiece(1), kEmpty);
}

INSTANTIATE_TEST_SUITE_P(
    Toolkit, InterruptedDrag,
    ::testing::Values(Interruption{"ModalWindow",
                                   [](WindowTest&, Form1Window& window, BoardWidget*) {
                                       QDialog dialog(&window);
                                       dialog.setModal(true);
                                       dialog.show();
                                       QCoreApplication::processEvents();
                                       dialog.close();
                                   }},
                      // A modal window that does not take the activation: only the
                      // blocking tells the window.
                      Interruption{"BlockedOnly",
                                   [](WindowTest&, Form1Window& window, BoardWidget*) {
                                       QEvent blocked(QEvent::WindowBlocked);
                                       QApplication::sendEvent(&window, &blocked);
                                   }},
                      Interruption{"OtherWindowActivated",
                                   [](WindowTest&, Form1Window&, BoardWidget*) {
                                       QWidget other;
                                       other.resize(200, 100);
                                       other.show();
                                       other.activateWindow();
                                       EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
                                   }},
                      Interruption{"Escape",
                                   [](WindowTest&, Form1Window& window, BoardWidget*) {
                                       QWidget* focus = QApplication::focusWidget();
                                       QTest::keyClick(focus != nullptr ? focus : &window,
                                                       Qt::Key_Escape);
                                   }},
                      Interruption{"MoveWithNoButton",
                                   [](WindowTest&, Form1Window&, BoardWidget* view) {
                                       // The release went elsewhere; the next move comes
                                       // with no button held.
                                       const QPointF local(500, 300);
                                       QMouseEvent move(QEvent::MouseMove, local,
                                                        view->mapToGlobal(local), Qt::NoButton,
                                                        Qt::NoButton, Qt::NoModifier);
                                       QApplication::sendEvent(view, &move);
                                   }}),
    [](const ::testing::TestParamInfo<Interruption>& info) { return info.param.name; });

TEST_F(MouseTest, CursorIsTheHandOverPiecesAndTheDragIconDuringADrag) {
    Move(QPoint(500, 300));  // over a reaction picture
    EXPECT_EQ(View()->cursor().shape(), Qt::ArrowCursor);

    Move(CellSpot(4));
    EXPECT_EQ(View()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(View()->cursor().hotSpot(), QPoint(12, 1));

    Press(CellSpot(4));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
    Move(SlotSpot(0));
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    Release(SlotSpot(0));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    Move(QPoint(500, 620));
    EXPECT_EQ(View()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MouseTest, TooltipIsThePieceUnderThePointer) {
    auto tooltipAt = [this](QPoint at) {
        Move(at);
        QHelpEvent help(QEvent::ToolTip, at, View()->mapToGlobal(at));
        QApplication::sendEvent(View(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipAt(CellSpot(1)), QString::fromUtf8("η μεταφορά ξεκινάει με πατημένο κλικ"));

    const std::int16_t piece = DragCompound(1, SlotSpot(0));
    ASSERT_EQ(SlotPiece(0), piece);
    EXPECT_EQ(tooltipAt(Middle(Model().ImgMolecular(piece))),
              QString::fromUtf8("αφαιρέστε το με διπλό κλικ"));

    // A picture has none: the tip goes away.
    tooltipAt(QPoint(500, 620));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

// Records the regions the board is asked to paint.
class PaintSpy : public QObject {
  public:
    explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

TEST_F(MouseTest, DuringADragOnlyTheMovingPieceIsRepainted) {
    const std::int16_t piece = TopPiece(0);
    Press(CellSpot(0));
    Move(SlotSpot(0));
    Settle();

    PaintSpy spy(View());
    const QRect before = View()->PaintRect(Model().ImgMolecular(piece));
    Move(SlotSpot(0) + QPoint(40, 10));
    const QRect after = View()->PaintRect(Model().ImgMolecular(piece));
    ASSERT_NE(before, after);
    Settle();

    const QRegion allowed =
        QRegion(before.adjusted(-1, -1, 1, 1)) + QRegion(after.adjusted(-1, -1, 1, 1));
    EXPECT_FALSE(spy.painted.isEmpty());
    EXPECT_TRUE((spy.painted - allowed).isEmpty()) << "painted beyond the piece's rectangles";
    EXPECT_TRUE((QRegion(before) - spy.painted).isEmpty()) << "old place not repainted";
    EXPECT_TRUE((QRegion(after) - spy.painted).isEmpty()) << "new place not repainted";
    Release(SlotSpot(0) + QPoint(40, 10));
}

}  // namespace
}  // namespace alkynes::testing
