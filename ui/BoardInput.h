// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where the toolkit's keys and mouse events become the
// board's: keys become the keyboard play's BoardKey, mouse events the
// model's pointer input, which its dispatcher turns into the window's
// events.  The rules of the exercise start beyond this mapping.
#pragma once

#include <QEvent>
#include <QPointF>

#include <optional>

#include "keyboard/KeyboardPlay.h"
#include "model/FormModel.h"

class QKeyEvent;
class QMouseEvent;

namespace alkynes::input {

// The board's key of a key event, or none for a key the board does not
// use.  Keys with Ctrl, Alt or Meta are left to the window (Alt opens the
// menu bar).
std::optional<BoardKey> BoardKeyOf(const QKeyEvent& event);

// Whether the key only moves the keyboard's focus (as Tab and the arrows
// do), rather than acting on the focused stop.
bool MovesFocus(BoardKey key);

// What the keyboard play is asked about a mouse event of this type before
// it goes on, or none for an event that is not the pointer's.
std::optional<PointerEvent> PointerEventOf(QEvent::Type type);

// Hands a press, move, release or double click over the board to the
// model's dispatcher, with the pointer at `at` in window twips.  False for
// any other event, which the model does not take.
bool DeliverMouse(FormModel& model, const QMouseEvent& event, QPointF at);

}  // namespace alkynes::input
