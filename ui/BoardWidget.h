// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The client area of the main window: one widget that paints every
// windowless control of the FormModel and holds the coefficient boxes as
// real line edits, and that hands all mouse input over the window to the
// model's dispatcher.
//
// The widget decides nothing about the exercise.  After every event it
// forwards (and after every menu command, through Refresh) it brings the
// screen in step with the model: the boxes take the model's texts and
// visibility, and the pixels of every control whose geometry, visibility,
// picture, caption or stacking changed since the last paint are repainted,
// and nothing else.
#pragma once

#include <QCursor>
#include <QFont>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "content/Pictures.h"
#include "keyboard/KeyboardPlay.h"
#include "model/FormModel.h"

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
    QLineEdit* Box(int j);

    // Where a control lies on the widget, in pixels, as it is painted (the
    // grade badge sized to its caption).
    QRect PaintRect(const Control& control) const;

    // The board's keyboard play: the focus among the palette tiles and the
    // slots, moved by the keys and by assistive technology.
    KeyboardPlay& Keyboard() { return keyboard_; }

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
    // What was last painted of one windowless control.
    struct Painted {
        QRect rect;
        bool visible = false;
        PictureRef picture;
        std::string text;
        friend bool operator==(const Painted&, const Painted&) = default;
    };

    QLineEdit* CreateBox(int j);
    void UseReadyPictures();
    void SyncBoxes();
    void RepaintChanges();
    void UpdateCursor();
    void ShowToolTip(QHelpEvent* event);

    // Hands a mouse event over the board to the model's dispatcher, the
    // pointer in window twips, and brings the screen in step: the one way
    // every press, move, release and double click reaches the exercise.
    void ForwardMouse(const QMouseEvent& event);

    // The pointer of a mouse event in window twips.  The global position is
    // used, so that a grabbed pointer outside the widget still maps right.
    QPointF PointerTwips(const QMouseEvent& event);

    Painted Snapshot(const Control& control) const;
    QRect BadgeRect(const Control& control) const;

    // The keys of the board: true when the key was the board's to use.
    bool HandleKey(const QKeyEvent& event);
    // Tab past the last stop or Shift+Tab before the first: the focus goes
    // on along the window's tab chain, or round the board when nothing
    // else takes it.
    void LeaveBoard(bool forward);
    void KeyboardChanged(const KeyboardChange& change);
    // What the focus ring surrounds now (the focused stop while the board
    // has the keyboard's focus, or the focused box), or nothing.
    QRect FocusedRect() const;
    // Repaints where the ring was and where it is now.
    void UpdateFocusRing();
    void PaintFocusRing(QPainter& painter, const QRect& around) const;
    void PaintFrame(QPainter& painter, const QRect& rect) const;
    void PaintLine(QPainter& painter, const Control& control, const QRect& rect) const;
    void PaintLabel(QPainter& painter, const Control& control, const QRect& rect) const;
    void PaintBadge(QPainter& painter, const Control& control, const QRect& rect) const;

    FormModel& model_;
    std::vector<QLineEdit*> boxes_;

    // Last painted state, by control (see Key in the .cpp) and stacking.
    std::vector<Painted> painted_;
    std::vector<ControlRef> paintedOrder_;

    content::PictureCache cache_;
    qreal cacheDpr_ = 0;

    QFont labelFont_;
    QFont badgeFont_;

    KeyboardPlay keyboard_;
    // The keyboard brought the focus to the board, or has been used on it
    // since the mouse last was: only then does the ring show.
    bool ringWanted_ = false;
    QRect ringPainted_;  // the pixels the ring last covered

    QCursor hand_;
    qreal handDpr_ = 0;
    bool handShown_ = false;
    bool dragCursorShown_ = false;
    QPointF pointer_{-1, -1};  // the last pointer position, twips
};

}  // namespace alkynes
