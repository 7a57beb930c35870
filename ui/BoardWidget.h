// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The client area of the main window: one widget that paints every
// windowless control of the FormModel and holds the coefficient boxes as
// real line edits, and that hands all mouse input over the window to the
// model's dispatcher and the board's keys to the keyboard play.
//
// The widget decides nothing about the exercise.  After every event it
// forwards (and after every menu command, through Refresh) it brings the
// screen in step with the model: the boxes take the model's texts and
// visibility, and the pixels of every control whose geometry, visibility,
// picture, caption or stacking changed since the last paint are repainted,
// and nothing else.  Its parts: the boxes (CoefficientBoxes), which pixels
// to repaint (RepaintTracker), the painting (BoardPainter), the focus ring
// (FocusRing), the cursor (BoardCursor) and the mapping of the toolkit's
// input (BoardInput.h).
#pragma once

#include <QPointF>
#include <QWidget>

#include "keyboard/KeyboardPlay.h"
#include "model/FormModel.h"
#include "model/RepaintTracker.h"
#include "pointer/PointerPlay.h"
#include "ui/BoardCursor.h"
#include "ui/BoardPainter.h"
#include "ui/CoefficientBoxes.h"
#include "ui/FocusRing.h"

class QHelpEvent;
class QKeyEvent;
class QLineEdit;

namespace alkynes {

class BoardWidget : public QWidget {
    Q_OBJECT

  public:
    explicit BoardWidget(FormModel& model, QWidget* parent = nullptr);
    ~BoardWidget() override;

    BoardWidget(const BoardWidget&) = delete;
    BoardWidget& operator=(const BoardWidget&) = delete;

    // Brings the boxes, the painted controls and the pointer in step with
    // the model after the logic has run.
    void Refresh();

    // Ends a drag that the toolkit has lost (grab lost, window deactivated
    // or blocked by a modal window, Escape): the model turns it into a drop
    // on the bare window.  Does nothing when no drag is under way.
    void InterruptDrag();

    // Lays the board out again after the zoom changed (twips::SetZoom): its
    // size, fonts, boxes and pictures, and paints it afresh.
    void ApplyZoom();

    // Coefficient box j (0 to 21), the line edit that stands for
    // tCoefficient(j).
    QLineEdit* Box(int j) { return boxes_.Box(j); }

    // Where a control lies on the widget, in pixels, as it is painted (the
    // grade badge sized to its caption).
    QRect PaintRect(const Control& control) const { return painter_.PaintRect(control); }

    // The board's keyboard play: the focus among the palette tiles and the
    // slots, moved by the keys and by assistive technology.
    KeyboardPlay& Keyboard() { return keyboard_; }
    const KeyboardPlay& Keyboard() const { return keyboard_; }

    // Where every pointer event goes on its way to the model, and the tile
    // held between the two clicks or taps that place it.
    PointerPlay& Pointer() { return pointer_; }
    const PointerPlay& Pointer() const { return pointer_; }

    // Whether a mouse click (a press and release within the drag distance)
    // on a palette tile picks it up for the next click to put down, as a
    // finger's tap always does (the --click-to-place option).
    void SetClickToPlace(bool on) { clickToPlace_ = on; }

    // Where a stop of the keyboard's focus lies on the widget, in pixels.
    QRect StopPixelRect(Stop stop) const;

    QSize sizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void RepaintChanges();
    void ShowToolTip(QHelpEvent* event);

    // Hands a mouse event over the board to the model's dispatcher, the
    // pointer in window twips, and brings the screen in step: the one way
    // every press, move, release and double click reaches the exercise.
    void ForwardMouse(const QMouseEvent& event);

    // The keys of the board: true when the key was the board's to use.
    bool HandleKey(const QKeyEvent& event);
    // F6: from the board to the shown coefficient boxes of the focused
    // slot's reaction, and from a box back to its slot on the board.
    bool GoBetweenBoardAndBoxes();
    // Tab past the last stop or Shift+Tab before the first: the focus goes
    // on along the window's tab chain, or round the board when nothing
    // else takes it.
    void LeaveBoard(bool forward);
    void KeyboardChanged(const KeyboardChange& change);
    void PointerChanged(const PointerChange& change);
    // What the focus ring surrounds now (the focused stop while the board
    // has the keyboard's focus and the ring is wanted, or the focused box),
    // or nothing.
    QRect FocusedRect() const;
    // Repaints where the ring was and where it is now.
    void UpdateFocusRing();
    void WantFocusRing(bool wanted);

    FormModel& model_;
    CoefficientBoxes boxes_;
    RepaintTracker tracker_;
    BoardPainter painter_;
    KeyboardPlay keyboard_;
    PointerPlay pointer_;
    FocusRing ring_;
    BoardCursor cursor_;
    QPointF at_{-1, -1};  // the last pointer position, twips
    bool clickToPlace_ = false;
};

}  // namespace alkynes
