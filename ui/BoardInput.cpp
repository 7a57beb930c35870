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

#include <algorithm>
#include <iterator>
#include <utility>

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

// The board's keys; Shift+Tab comes as Backtab, or as Tab with Shift held.
// clang-format off
constexpr std::pair<int, BoardKey> kBoardKeys[] = {
    {Qt::Key_Tab, BoardKey::Next}, {Qt::Key_Backtab, BoardKey::Previous},
    {Qt::Key_Left, BoardKey::Left}, {Qt::Key_Right, BoardKey::Right},
    {Qt::Key_Up, BoardKey::Up}, {Qt::Key_Down, BoardKey::Down},
    {Qt::Key_Space, BoardKey::Activate}, {Qt::Key_Return, BoardKey::Activate},
    {Qt::Key_Enter, BoardKey::Activate}, {Qt::Key_Escape, BoardKey::Cancel},
    {Qt::Key_Delete, BoardKey::Remove}, {Qt::Key_Backspace, BoardKey::Remove},
};
// clang-format on

}  // namespace

std::optional<BoardKey> BoardKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    for (const auto& [key, boardKey] : kBoardKeys) {
        if (event.key() == key) {
            return key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier) ? BoardKey::Previous
                                                                         : boardKey;
        }
    }
    return std::nullopt;
}

bool IsBoxesKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_F6 &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool MovesFocus(BoardKey key) {
    return key != BoardKey::Activate && key != BoardKey::Cancel && key != BoardKey::Remove;
}

std::optional<PointerInput> PointerInputOf(const QMouseEvent& event, QPointF at,
                                           bool clickToPlace) {
    // clang-format off
    static constexpr std::pair<QEvent::Type, PointerEvent> kEvents[] = {
        {QEvent::MouseButtonPress, PointerEvent::Press}, {QEvent::MouseMove, PointerEvent::Move},
        {QEvent::MouseButtonRelease, PointerEvent::Release},
        {QEvent::MouseButtonDblClick, PointerEvent::DoubleClick},
    };
    // clang-format on
    const auto* kind = std::find_if(std::begin(kEvents), std::end(kEvents),
                                    [&](const auto& e) { return e.first == event.type(); });
    if (kind == std::end(kEvents)) {
        return std::nullopt;
    }
    PointerInput input;
    input.event = kind->second;
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
