// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board from the keyboard, through Qt's key events: the tab chain from
// the board to the coefficient boxes and back, the keys on the board, the
// mouse meeting a carried tile, the focus ring as painted (at the ratio the
// tests run at, 1 and 2), and the menu's keyboard highlight.
#include "ui/tests/WindowFixture.h"

#include <QImage>

#include <cmath>
#include <map>

#include "keyboard/KeyboardPlay.h"

namespace alkynes::testing {
namespace {

constexpr Stop Tile(int cell) {
    return {StopKind::Tile, static_cast<std::int16_t>(cell)};
}
constexpr Stop Slot(int s) {
    return {StopKind::Slot, static_cast<std::int16_t>(s)};
}

// The contrast ratio of two colours by their relative luminance (WCAG 2).
double Luminance(const QColor& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class KeyboardTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }

    KeyboardPlay& Keys() { return View()->Keyboard(); }

    // The focus comes to the board along the tab chain.
    void TabIntoBoard() {
        View()->clearFocus();
        View()->setFocus(Qt::TabFocusReason);
    }

    // A key as the student types it, to whatever has the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* to = QApplication::focusWidget();
        ASSERT_NE(to, nullptr);
        QTest::keyClick(to, key, modifiers);
        Settle();
    }

    // The board as it paints itself now, in device pixels.
    QImage Render() {
        QImage image = View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        dpr_ = static_cast<int>(image.devicePixelRatio());
        image.setDevicePixelRatio(1);
        return image;
    }

    // Where a stop lies on the board, in device pixels.
    QRect DeviceRect(const QRect& logical) const {
        return QRect(logical.topLeft() * dpr_, logical.size() * dpr_);
    }
    QRect StopPixels(Stop stop) { return DeviceRect(View()->StopPixelRect(stop)); }

    // The colour most of a rectangle's pixels have.
    static QColor Commonest(const QImage& image, const QRect& area) {
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ++counts[image.pixel(x, y)];
            }
        }
        auto best = counts.begin();
        for (auto it = counts.begin(); it != counts.end(); ++it) {
            best = it->second > best->second ? it : best;
        }
        return QColor(best->first);
    }

    int dpr_ = 1;
};

// --- The tab chain ------------------------------------------------------------------

TEST_F(KeyboardTest, TabGoesFromTheBoardToTheShownBoxesInTabOrderAndBack) {
    ASSERT_TRUE(View()->hasFocus()) << "the board is the first stop of the window";
    TabIntoBoard();
    Keys().FocusOn(Slot(12));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Keys().Focus(), Tile(0)) << "with no box shown, Tab goes round the board";
    FillReaction(0);
    FillReaction(4);
    TabIntoBoard();
    Keys().FocusOn(Slot(12));
    for (const int j : {0, 1, 2, 17, 18, 19, 20, 21}) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), View()->Box(j)) << "box " << j;
    }
    Key(Qt::Key_Tab);
    EXPECT_TRUE(View()->hasFocus());
    EXPECT_EQ(Keys().Focus(), Tile(0)) << "Tab comes in at the first tile";
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), View()->Box(21));
    View()->Box(0)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(View()->hasFocus());
    EXPECT_EQ(Keys().Focus(), Slot(12)) << "Shift+Tab comes back in at the last slot";
}

TEST_F(KeyboardTest, F6GoesFromASlotToItsReactionsBoxesAndBackToTheSlot) {
    TabIntoBoard();
    Keys().FocusOn(Slot(4));
    Key(Qt::Key_F6);
    EXPECT_TRUE(View()->hasFocus()) << "no box shows: the focus stays";
    FillReaction(2);
    TabIntoBoard();
    Keys().FocusOn(Slot(5));
    Key(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), View()->Box(7));
    View()->Box(9)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(View()->hasFocus());
    EXPECT_EQ(Keys().Focus(), Slot(5)) << "the slot box 9 stands before";
    const QImage image = Render();
    const QRect slot = StopPixels(Slot(5));
    EXPECT_EQ(QColor(image.pixel(slot.left() - 1, slot.center().y())),
              content::ToColor(design::kFocusRingColor))
        << "the ring shows on the slot";
}

// --- The keys on the board ------------------------------------------------------------

TEST_F(KeyboardTest, TheKeysPlaceAndRemoveTiles) {
    TabIntoBoard();
    const int cell = State().PaletteOrder[3];
    for (const Qt::Key remove : {Qt::Key_Delete, Qt::Key_Backspace}) {
        Keys().FocusOn(Tile(cell));
        const std::int16_t piece = TopPiece(3);
        Key(Qt::Key_Space);
        EXPECT_EQ(Keys().Focus(), Slot(0)) << "carried to the first empty slot";
        Key(Qt::Key_Down);
        Key(Qt::Key_Right);
        Key(Qt::Key_Return);
        EXPECT_EQ(SlotPiece(3), piece);
        Key(remove);
        EXPECT_EQ(SlotPiece(3), kEmpty);
    }
    Keys().FocusOn(Tile(cell));
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(Keys().Carrying());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Model().Dragging());
    EXPECT_EQ(Keys().Focus(), Tile(cell));
}

TEST_F(KeyboardTest, TheMouseMovingLeavesACarryAloneAndItsPressEndsIt) {
    TabIntoBoard();
    Keys().FocusOn(Tile(State().PaletteOrder[6]));
    const std::int16_t carried = TopPiece(6);
    Key(Qt::Key_Space);
    Move(SlotSpot(7));
    Move(SlotSpot(8));
    EXPECT_TRUE(Keys().Carrying()) << "a pointer with no button down does not end it";
    DragCompound(1, SlotSpot(8));
    EXPECT_TRUE(RestsInPalette(carried));
    EXPECT_EQ(CompoundOf(SlotPiece(8)), 1) << "the press goes on to start the mouse's drag";
    EXPECT_FALSE(InSomeSlot(carried));
}

TEST_F(KeyboardTest, TheMenuBarTakingTheFocusEndsACarry) {
    TabIntoBoard();
    Key(Qt::Key_Space);
    ASSERT_TRUE(Keys().Carrying());
    ClickMenu("mnuRestart");
    EXPECT_FALSE(Model().Dragging());
    Keys().FocusOn(Tile(0));
    Key(Qt::Key_Space);
    ASSERT_TRUE(Keys().Carrying());
    Key(Qt::Key_Alt);
    EXPECT_FALSE(Model().Dragging());
}

// --- The focus ring ---------------------------------------------------------------------

TEST_F(KeyboardTest, TheFocusRingIsCrispWideAndContrastsWithWhiteYellowAndGreen) {
    TabIntoBoard();
    const struct {
        Stop stop;
        const char* outside;
    } kStops[] = {{Tile(0), "white"}, {Slot(1), "yellow"}, {Slot(5), "yellow"}};
    for (const auto& c : kStops) {
        SCOPED_TRACE(c.outside);
        Keys().FocusOn(c.stop);
        Settle();
        const QImage image = Render();
        const QRect inner = StopPixels(c.stop);
        const int width = 2 * dpr_;  // two device-independent pixels
        const QColor ring(image.pixel(inner.left() - 1, inner.top() - 1));
        // Every pixel of the band is the ring's colour, and the pixels right
        // beyond it are not: no blur at either edge.
        const QRect band = inner.adjusted(-width, -width, width, width);
        for (int x = band.left(); x <= band.right(); ++x) {
            for (const int y : {band.top(), band.top() + width - 1, band.bottom()}) {
                ASSERT_EQ(QColor(image.pixel(x, y)), ring) << x << ", " << y;
            }
        }
        for (int y = band.top(); y <= band.bottom(); ++y) {
            ASSERT_EQ(QColor(image.pixel(band.left(), y)), ring) << y;
            ASSERT_EQ(QColor(image.pixel(band.right(), y)), ring) << y;
        }
        const QColor beyond(image.pixel(band.left() + band.width() / 3, band.top() - 1));
        EXPECT_NE(beyond, ring);
        EXPECT_GE(Contrast(ring, beyond), 3.0) << "against the " << c.outside << " around";
        if (c.stop.kind == StopKind::Tile) {
            EXPECT_EQ(beyond, QColor(Qt::white));
            const QColor green = Commonest(image, inner);
            EXPECT_GT(green.green(), 2 * std::max(green.red(), green.blue()));
            EXPECT_GE(Contrast(ring, green), 3.0) << "against the tile's green";
        } else {
            EXPECT_GT(beyond.red(), 200);
            EXPECT_GT(beyond.green(), 200);
            EXPECT_LT(beyond.blue(), 220) << "the reaction's yellow";
        }
    }
}

TEST_F(KeyboardTest, WithoutKeyboardFocusNothingIsPainted) {
    View()->clearFocus();
    Settle();
    const QImage idle = Render();
    View()->setFocus(Qt::MouseFocusReason);
    Settle();
    EXPECT_EQ(Render(), idle) << "focus from a click shows no ring";
    View()->clearFocus();
    View()->setFocus(Qt::ActiveWindowFocusReason);
    Settle();
    EXPECT_EQ(Render(), idle) << "nor the focus the window hands on when it is shown";
    Key(Qt::Key_Right);
    EXPECT_EQ(Keys().Focus(), Tile(0)) << "the first arrow only shows where the focus is";
    EXPECT_NE(Render(), idle);
    Press(CellSpot(0));
    Release(CellSpot(0));
    Settle();
    EXPECT_EQ(Render(), idle) << "the mouse takes the ring away";
    TabIntoBoard();
    View()->clearFocus();
    Settle();
    EXPECT_EQ(Render(), idle) << "and so does the focus leaving";
}

TEST_F(KeyboardTest, AFocusedBoxHasTheRingToo) {
    FillReaction(1);
    const QImage idle = Render();
    View()->Box(4)->setFocus(Qt::TabFocusReason);
    Settle();
    const QImage focused = Render();
    const QRect box = DeviceRect(View()->Box(4)->geometry());
    const QColor ring(focused.pixel(box.left() - 1, box.center().y()));
    EXPECT_NE(ring, QColor(idle.pixel(box.left() - 1, box.center().y())));
    EXPECT_EQ(QColor(focused.pixel(box.left() - 2 * dpr_, box.top())), ring);
    EXPECT_EQ(QColor(focused.pixel(box.right() + 2 * dpr_, box.bottom())), ring);
}

// --- The menu bar -------------------------------------------------------------------

TEST_F(KeyboardTest, AltShowsTheChosenMenuItemAndTheMouseSeesNoChange) {
    QMenuBar* bar = Window().menuBar();
    const QImage idle = bar->grab().toImage();
    QTest::mouseMove(bar, bar->actionGeometry(Window().MenuItem("mnuCheck")).center());
    Settle();
    EXPECT_EQ(bar->grab().toImage(), idle) << "hovering looks as before";
    Key(Qt::Key_Alt);
    ASSERT_TRUE(bar->hasFocus());
    Key(Qt::Key_Right);
    const QImage chosen = bar->grab().toImage();
    dpr_ = static_cast<int>(chosen.devicePixelRatio());
    ASSERT_NE(bar->activeAction(), nullptr);
    const QRect item = bar->actionGeometry(bar->activeAction());
    const QRect device(item.topLeft() * dpr_, item.size() * dpr_);
    const QColor highlight = Commonest(chosen, device);
    EXPECT_GE(Contrast(highlight, Commonest(idle, device)), 3.0) << "the item stands out";
    Key(Qt::Key_Escape);
    Settle();
    EXPECT_EQ(bar->grab().toImage(), idle);
}

}  // namespace
}  // namespace alkynes::testing
