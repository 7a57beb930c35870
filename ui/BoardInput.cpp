// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardInput.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace alkynes::input {
namespace {

// The window's events name only three buttons, and no handler tells them
// apart; any other button (back, forward, ...) is reported as the left one,
// so that every button works the same.
MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

}  // namespace

std::optional<BoardKey> BoardKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Tab:
            return modifiers & Qt::ShiftModifier ? BoardKey::Previous : BoardKey::Next;
        case Qt::Key_Backtab:
            return BoardKey::Previous;
        case Qt::Key_Left:
            return BoardKey::Left;
        case Qt::Key_Right:
            return BoardKey::Right;
        case Qt::Key_Up:
            return BoardKey::Up;
        case Qt::Key_Down:
            return BoardKey::Down;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return BoardKey::Activate;
        case Qt::Key_Escape:
            return BoardKey::Cancel;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return BoardKey::Remove;
        default:
            return std::nullopt;
    }
}

bool MovesFocus(BoardKey key) {
    return key != BoardKey::Activate && key != BoardKey::Cancel && key != BoardKey::Remove;
}

std::optional<PointerEvent> PointerEventOf(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
            return PointerEvent::Press;
        case QEvent::MouseMove:
            return PointerEvent::Move;
        case QEvent::MouseButtonRelease:
            return PointerEvent::Release;
        case QEvent::MouseButtonDblClick:
            return PointerEvent::DoubleClick;
        default:
            return std::nullopt;
    }
}

bool DeliverMouse(FormModel& model, const QMouseEvent& event, QPointF at) {
    const auto x = static_cast<Twips>(at.x());
    const auto y = static_cast<Twips>(at.y());
    const MouseButton button = ButtonOf(event.button());
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            model.MouseDown(x, y, button);
            return true;
        case QEvent::MouseMove:
            if (model.Dragging() && event.buttons() == Qt::NoButton) {
                // The release went somewhere else (a grab taken away, a
                // window that swallowed it): the drag cannot go on.
                model.InterruptDrag();
            }
            model.MouseMove(x, y);
            return true;
        case QEvent::MouseButtonRelease:
            model.MouseUp(x, y, button);
            return true;
        case QEvent::MouseButtonDblClick:
            model.DblClick(x, y, button);
            return true;
        default:
            return false;
    }
}

}  // namespace alkynes::input
