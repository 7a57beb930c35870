// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The coefficient boxes tCoefficient(0) to (21) as real line edits on the
// board, kept in step with the model: their texts and visibility come from
// it, and what the student types goes into it.
//
// A box's line edit is made the first time it is needed: all boxes are
// hidden at start, and 22 line edits are a good part of the start-up.
#pragma once

#include <optional>
#include <vector>

#include "model/FormModel.h"

class QLineEdit;
class QWidget;

namespace alkynes {

class CoefficientBoxes {
  public:
    // The boxes are children of `board`, which comes right before them in
    // the window's tab chain and whose font they take.
    CoefficientBoxes(QWidget& board, FormModel& model);

    CoefficientBoxes(const CoefficientBoxes&) = delete;
    CoefficientBoxes& operator=(const CoefficientBoxes&) = delete;

    // Box j (0 to 21), made now if it was not yet.
    QLineEdit* Box(int j);

    // The box that has the keyboard's focus, or null; its number.
    const QLineEdit* Focused() const;
    std::optional<int> FocusedIndex() const;

    // Takes the model's texts and visibility.  A box not made yet is made
    // when it is first shown, with the text it has then.
    void Sync();

    // Lays the boxes made so far out again after the zoom changed.
    void ApplyZoom();

    // While a tile is held for a click or tap to put it down, the boxes let
    // the pointer through to the board, which takes that click over a box
    // as a drop on it (and lets the held tile follow the pointer there).
    void LetPointerThrough(bool through);

  private:
    QLineEdit* Create(int j);
    // Tab walks the boxes made so far in the order of their tab positions,
    // right after the board.
    void ChainTabOrder();

    QWidget& board_;
    FormModel& model_;
    std::vector<QLineEdit*> boxes_;  // owned by the board; null until made
    bool pointerThrough_ = false;
};

}  // namespace alkynes
