// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardInput.h"

#include <QGuiApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QSizeF>
#include <QStyleHints>

#include "content/Twips.h"

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

std::optional<PointerInput> PointerInputOf(const QMouseEvent& event, QPointF at,
                                           bool clickToPlace) {
    PointerInput input;
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            input.event = PointerEvent::Press;
            break;
        case QEvent::MouseMove:
            input.event = PointerEvent::Move;
            break;
        case QEvent::MouseButtonRelease:
            input.event = PointerEvent::Release;
            break;
        case QEvent::MouseButtonDblClick:
            input.event = PointerEvent::DoubleClick;
            break;
        default:
            return std::nullopt;
    }
    input.x = static_cast<Twips>(at.x());
    input.y = static_cast<Twips>(at.y());
    input.button = ButtonOf(event.button());
    input.buttonsDown = event.buttons() != Qt::NoButton;
    const QPointingDevice* device = event.pointingDevice();
    const bool finger =
        device != nullptr && device->type() == QInputDevice::DeviceType::TouchScreen;
    input.places = finger || clickToPlace;
    return input;
}

Twips ClickDistance() {
    const int pixels = QGuiApplication::styleHints()->startDragDistance();
    return static_cast<Twips>(twips::FromPixels(QSizeF(pixels, 0)).width());
}

}  // namespace alkynes::input
