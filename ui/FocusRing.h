// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard's focus ring, which the board paints round the focused tile
// or blank while the keys are in use there, and round a focused
// coefficient box.
#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace alkynes {

class FocusRing {
  public:
    // Whether the ring is to show on the board's tiles and blanks: the
    // keyboard brought the focus to the board, or has been used on it since
    // the mouse last was.  Set returns whether that changed.
    bool Wanted() const { return wanted_; }
    bool SetWanted(bool wanted);

    // Lets `widget` repaint where the ring was and where it is now: round
    // `around`, or nowhere when `around` is null.
    void MoveTo(QWidget& widget, const QRect& around);

    // Paints the ring round `around` (widget pixels) at device pixel ratio
    // `dpr`.
    static void Paint(QPainter& painter, const QRect& around, qreal dpr);

  private:
    bool wanted_ = false;
    QRect painted_;  // the pixels the ring last covered
};

}  // namespace alkynes
