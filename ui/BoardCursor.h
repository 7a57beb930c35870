// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pointer's shape over the board: the hand over a piece that can be
// picked up, and during a drag the drag icon, wherever the pointer goes.
#pragma once

#include <QCursor>
#include <QPointF>

#include "model/FormModel.h"

class QWidget;

namespace alkynes {

class BoardCursor {
  public:
    BoardCursor() = default;
    // The drag icon does not outlive the board.
    ~BoardCursor();

    BoardCursor(const BoardCursor&) = delete;
    BoardCursor& operator=(const BoardCursor&) = delete;

    // Shows on `board` the cursor for the pointer at `pointer` (window
    // twips) as `model` is now.
    void Update(QWidget& board, const FormModel& model, QPointF pointer);

    // The cursors are drawn again for the next zoom.
    void ApplyZoom() { handRatio_ = 0; }

  private:
    QCursor hand_;
    qreal handRatio_ = 0;  // the ratio (device pixels and zoom) hand_ is drawn for
    bool handShown_ = false;
    bool dragCursorShown_ = false;
};

}  // namespace alkynes
