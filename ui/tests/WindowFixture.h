// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A shown main window for headless tests, with real mouse input: QTest's
// mouse functions go through Qt's window system layer (QPA), so presses,
// moves and releases are routed exactly like a user's, implicit grab
// included.  Positions are board-widget pixels, aimed at the controls from
// the model's own geometry.
#pragma once

// Must come before the first QTest include of every test file.
#define QTEST_QPA_MOUSE_HANDLING
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/Board.h"
#include "core/Palette.h"
#include "drag/Placement.h"
#include "testing/Aims.h"
#include "testing/Expected.h"
#include "testing/ScriptedRandom.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardWidget.h"
#include "ui/Form1Window.h"
#include "content/Twips.h"
#include "model/Design.h"

namespace alkynes::testing {

// The palette order of the tests' first attempt: the cell of each compound.
inline const std::vector<int> kOrder{3, 7, 0, 5, 1, 8, 2, 6, 4};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto random = std::make_unique<ScriptedRandom>(ScriptedRandom::ForOrder(kOrder));
        random_ = random.get();
        window_ = std::make_unique<Form1Window>(std::move(random));
        AttachBoardAccessible(*window_->Board(), window_->Logic());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        // On an X server (e2e.placing_touch) the window manager gives the
        // window the focus and its frame, in its own time.
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        ASSERT_FALSE(window_->windowHandle()->frameMargins().isNull()) << "no window manager";
        Settle();
    }

    void TearDown() override {
        // A failed case may leave a button down in QTest's own bookkeeping.
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
        window_.reset();
    }

    Form1Window& Window() { return *window_; }
    BoardWidget* View() { return window_->Board(); }
    FormModel& Model() { return window_->Logic().Model(); }
    Board& State() { return window_->Logic().State(); }
    std::int16_t SlotPiece(int s) { return State().Slots[static_cast<std::size_t>(s)].Piece; }

    // Lets pending repaints and other posted work happen.
    static void Settle() {
        QCoreApplication::processEvents();
        QTest::qWait(20);
        QCoreApplication::processEvents();
    }

    // --- Where things are (board pixels) -----------------------------------

    static QPoint At(Twips x, Twips y) {
        const QPointF p = twips::ToPixels(QPointF(x, y));
        return QPoint(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }
    static QPoint Middle(const Control& c) {
        return At(c.Left + c.Width / 2, c.Top + c.Height / 2);
    }
    // The pointer position of a board pixel, in twips, as the board reports it.
    static QPointF Twip(QPoint pixel) { return twips::FromPixels(QPointF(pixel)); }

    Point Cell(int compound) {
        return PaletteCellPosition(Model(),
                                   State().PaletteOrder[static_cast<std::size_t>(compound)]);
    }
    QPoint CellSpot(int compound) {
        const Point cell = Cell(compound);
        const Control& piece = Model().ImgMolecular(0);
        return At(cell.Left + piece.Width / 2, cell.Top + piece.Height / 2);
    }
    // The piece a press at the compound's cell reaches.
    std::int16_t TopPiece(int compound) {
        const Point cell = Cell(compound);
        const std::optional<ControlRef> hit = Model().ControlAt(cell.Left + 100, cell.Top + 100);
        return hit && hit->name == ControlName::ImgMolecular ? hit->index : std::int16_t{-1};
    }
    bool RestsInPalette(std::int16_t p) {
        const Control& piece = Model().ImgMolecular(p);
        const Point cell = Cell(CompoundOf(p));
        return piece.Left == cell.Left && piece.Top == cell.Top;
    }
    bool InSomeSlot(std::int16_t p) {
        for (const SlotEntry& slot : State().Slots) {
            if (slot.Piece == p) {
                return true;
            }
        }
        return false;
    }

    // A spot on reaction picture r that a drop sends to slot s, above where
    // placed pieces and coefficient boxes lie.
    QPoint SlotSpot(int s) {
        return At(SlotAimX(Model(), s), Model().ImgSyntactic(ReactionOfSlot(s)).Top + 150);
    }

    // --- Input -------------------------------------------------------------

    void Press(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(View(), b, {}, at);
    }
    void Move(QPoint to) { QTest::mouseMove(View(), to); }
    void Release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(View(), b, {}, at);
    }

    // Drags the compound's topmost palette piece through `via` to `to` and
    // releases it there; returns the piece.
    std::int16_t DragCompound(int compound, QPoint to, const std::vector<QPoint>& via = {}) {
        const std::int16_t piece = TopPiece(compound);
        Press(CellSpot(compound));
        for (const QPoint& p : via) {
            Move(p);
        }
        Move(to);
        Release(to);
        return piece;
    }

    // Puts the right compound into every slot of reaction r.
    void FillReaction(int r) {
        for (const std::int16_t s : SlotsOfReaction(r)) {
            DragCompound(kRightCompound[s], SlotSpot(s));
        }
    }

    // A real click on a menu bar item.
    void ClickMenu(const char* name) {
        QAction* item = Window().MenuItem(name);
        ASSERT_NE(item, nullptr) << name;
        QMenuBar* bar = Window().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
        Settle();
    }

    // A click into coefficient box j and the keys typed there.
    void Type(int j, const QString& keys) {
        QLineEdit* box = View()->Box(j);
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, keys);
    }

    ScriptedRandom* random_ = nullptr;

  private:
    std::unique_ptr<Form1Window> window_;
};

}  // namespace alkynes::testing
