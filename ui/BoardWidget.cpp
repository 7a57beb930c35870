// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardWidget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QToolTip>

#include <optional>
#include <vector>

#include "content/Look.h"
#include "content/Twips.h"
#include "model/Design.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardInput.h"

namespace alkynes {

BoardWidget::BoardWidget(FormModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      boxes_(*this, model),
      keyboard_(model),
      pointer_(model, keyboard_) {
    // What it paints is also told to screen readers (BoardAccessible.h).
    InstallBoardAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The board is the first stop of the window's tab chain; inside it the
    // keys walk the tiles and slots.
    setFocusPolicy(Qt::StrongFocus);
    keyboard_.Subscribe([this](const KeyboardChange& change) { KeyboardChanged(change); });
    pointer_.Subscribe([this](const PointerChange& change) { PointerChanged(change); });
    pointer_.SetClickDistance(input::ClickDistance());
    // A box's ring is painted by the board around it, like the stops' ring.
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateFocusRing(); });
    setMouseTracking(true);  // cursor and tooltips follow the pointer
    // The boxes take their font from the board (which paints its own texts
    // with fonts of their own), so it is resolved once, not 22 times.
    setFont(content::ToFont(design::kBoxFont));
}

BoardWidget::~BoardWidget() {
    // The boxes lose the focus as they go: no ring is updated then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void BoardWidget::ApplyZoom() {
    painter_.ApplyZoom();
    setFont(content::ToFont(design::kBoxFont));
    boxes_.ApplyZoom();
    setFixedSize(sizeHint());
    // Every control lies elsewhere now: all is painted afresh.
    tracker_.Forget();
    cursor_.ApplyZoom();
    pointer_.SetClickDistance(input::ClickDistance());
    update();
    Refresh();
}

QSize BoardWidget::sizeHint() const {
    return twips::ToPixelGrid(QRectF(model_.ScaleLeft(), model_.ScaleTop(), model_.ScaleWidth(),
                                     model_.ScaleHeight()))
        .size();
}

// --- Keeping the screen in step -----------------------------------------------

void BoardWidget::Refresh() {
    boxes_.Sync();
    RepaintChanges();
    cursor_.Update(*this, model_, at_);
    BoardAccessibleChanged(*this);
}

void BoardWidget::InterruptDrag() {
    if (model_.Dragging()) {
        pointer_.Interrupt();
        Refresh();
    }
}

void BoardWidget::RepaintChanges() {
    const std::vector<PixelRect> changed = tracker_.Changes(model_, [this](const Control& c) {
        const QRect r = PaintRect(c);
        return PixelRect{r.x(), r.y(), r.width(), r.height()};
    });
    QRegion dirty;
    for (const PixelRect& r : changed) {
        dirty += QRect(r.left, r.top, r.width, r.height);
    }
    if (!dirty.isEmpty()) {
        update(dirty);
    }
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    painter_.Paint(painter, model_, event->region(), palette(), dpr);
    const QRect focused = FocusedRect();
    if (!focused.isNull()) {
        FocusRing::Paint(painter, focused, dpr);
    }
}

// --- The pointer ------------------------------------------------------------------

void BoardWidget::ForwardMouse(const QMouseEvent& event) {
    // The global position, so that a grabbed pointer outside the widget
    // still maps right.
    at_ = twips::FromPixels(mapFromGlobal(event.globalPosition()));
    if (const std::optional<PointerInput> input = input::PointerInputOf(event, at_, clickToPlace_);
        input && pointer_.Deliver(*input)) {
        Refresh();
    }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    // The student has taken the mouse: the ring waits for the next key.
    WantFocusRing(false);
    ForwardMouse(*event);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    ForwardMouse(*event);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    ForwardMouse(*event);
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    ForwardMouse(*event);
}

bool BoardWidget::event(QEvent* event) {
    // Before QWidget takes Tab and Shift+Tab for the window's focus chain.
    if (event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        ShowToolTip(static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void BoardWidget::ShowToolTip(QHelpEvent* event) {
    if (!model_.Dragging()) {
        const QPointF at = twips::FromPixels(QPointF(event->pos()));
        const std::optional<ControlRef> hit =
            model_.ControlAt(static_cast<Twips>(at.x()), static_cast<Twips>(at.y()));
        if (hit && hit->name == ControlName::ImgMolecular) {
            const Control& piece = model_.Get(*hit);
            if (!piece.ToolTipText.empty()) {
                QToolTip::showText(event->globalPos(), QString::fromStdString(piece.ToolTipText),
                                   this, PaintRect(piece));
                return;
            }
        }
    }
    QToolTip::hideText();
    event->ignore();
}

// --- The keyboard ----------------------------------------------------------------

bool BoardWidget::HandleKey(const QKeyEvent& event) {
    // Keys a focused box leaves unused come to the board too.
    if (input::IsBoxesKey(event)) {
        return GoBetweenBoardAndBoxes();
    }
    const std::optional<BoardKey> key = hasFocus() ? input::BoardKeyOf(event) : std::nullopt;
    if (!key) {
        return false;
    }
    const bool focusKey = input::MovesFocus(*key);
    if (!focusKey && event.isAutoRepeat()) {
        return true;  // a held Space or Delete acts once
    }
    if (!ring_.Wanted()) {
        WantFocusRing(true);
        if (focusKey) {
            return true;  // the first of them only shows where the focus is
        }
    }
    if (keyboard_.Press(*key)) {
        return true;
    }
    if (*key == BoardKey::Next || *key == BoardKey::Previous) {
        LeaveBoard(*key == BoardKey::Next);
        return true;
    }
    return false;  // Escape with nothing carried goes on to the window
}

bool BoardWidget::GoBetweenBoardAndBoxes() {
    if (hasFocus()) {
        if (pointer_.Holding()) {
            return true;  // the tile in hand stays there
        }
        if (const std::optional<int> j = keyboard_.BoxToReach()) {
            boxes_.Box(*j)->setFocus(Qt::ShortcutFocusReason);
        } else if (!keyboard_.Carrying()) {
            BoardAccessibleNoBoxes(*this);
        }
        return true;
    }
    const std::optional<int> box = boxes_.FocusedIndex();
    if (!box) {
        return false;
    }
    keyboard_.FocusOn(KeyboardPlay::StopOfBox(*box));
    setFocus(Qt::ShortcutFocusReason);
    return true;
}

void BoardWidget::LeaveBoard(bool forward) {
    QWidget::focusNextPrevChild(forward);
    if (hasFocus()) {
        keyboard_.FocusOn(StopOfNumber(forward ? 0 : kStops - 1));
    }
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    switch (event->reason()) {
        case Qt::TabFocusReason:
            ring_.SetWanted(true);
            keyboard_.FocusOn(StopOfNumber(0));
            break;
        case Qt::BacktabFocusReason:
            ring_.SetWanted(true);
            keyboard_.FocusOn(StopOfNumber(kStops - 1));
            break;
        case Qt::ShortcutFocusReason:
            ring_.SetWanted(true);
            break;
        case Qt::MouseFocusReason:
            ring_.SetWanted(false);
            break;
        default:
            break;  // back from the menu or another window: as it was
    }
    UpdateFocusRing();
    QWidget::focusInEvent(event);
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    // No tile stays in hand while the keys go elsewhere.
    if (keyboard_.Carrying()) {
        keyboard_.Press(BoardKey::Cancel);
    }
    if (pointer_.Holding()) {
        InterruptDrag();
    }
    UpdateFocusRing();
    QWidget::focusOutEvent(event);
}

void BoardWidget::KeyboardChanged(const KeyboardChange& change) {
    if (change.boardChanged) {
        Refresh();
    }
    UpdateFocusRing();
    BoardAccessibleChanged(*this);
}

void BoardWidget::PointerChanged(const PointerChange& change) {
    if (change.holdChanged) {
        boxes_.LetPointerThrough(pointer_.Holding());
        BoardAccessibleChanged(*this);
    }
}

QRect BoardWidget::StopPixelRect(Stop stop) const {
    return twips::ToPixelGrid(keyboard_.StopRect(stop));
}

// --- The focus ring ----------------------------------------------------------------

QRect BoardWidget::FocusedRect() const {
    if (hasFocus()) {
        return ring_.Wanted() ? StopPixelRect(keyboard_.Focus()) : QRect();
    }
    const QLineEdit* box = boxes_.Focused();
    return box != nullptr ? box->geometry() : QRect();
}

void BoardWidget::UpdateFocusRing() {
    ring_.MoveTo(*this, FocusedRect());
}

void BoardWidget::WantFocusRing(bool wanted) {
    if (ring_.SetWanted(wanted)) {
        UpdateFocusRing();
    }
}

}  // namespace alkynes
