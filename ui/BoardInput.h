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
#include "pointer/PointerPlay.h"

class QKeyEvent;
class QMouseEvent;

namespace alkynes::input {

// The board's key of a key event, or none for a key the board does not
// use.  Keys with Ctrl, Alt or Meta are left to the window (Alt opens the
// menu bar).
std::optional<BoardKey> BoardKeyOf(const QKeyEvent& event);

// F6, with or without Shift: the key that goes from the board to the shown
// coefficient boxes and back.
bool IsBoxesKey(const QKeyEvent& event);

// Whether the key only moves the keyboard's focus (as Tab and the arrows
// do), rather than acting on the focused stop.
bool MovesFocus(BoardKey key);

// The pointer play's input of a press, move, release or double click over
// the board, with the pointer at `at` in window twips, or none for any
// other event.  A finger (a mouse event Qt made of a touch) always places
// without dragging; the mouse does with `clickToPlace`.
std::optional<PointerInput> PointerInputOf(const QMouseEvent& event, QPointF at,
                                           bool clickToPlace);

// The toolkit's drag distance (QStyleHints::startDragDistance) in window
// twips at the zoom as it is now: a press and release closer than that is
// a click.
Twips ClickDistance();

}  // namespace alkynes::input
