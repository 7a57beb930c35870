// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How the board paints the windowless controls of the FormModel: the
// frames, the rule, the method labels, the grade badge and the pictures of
// the pieces and reactions, each where PaintRect says, in the stacking
// order.  The coefficient boxes are real line edits and paint themselves.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include <optional>
#include <vector>

#include "content/Pictures.h"
#include "model/FormModel.h"

class QPainter;
class QPalette;
class QRegion;

namespace alkynes {

class BoardPainter {
  public:
    BoardPainter();

    // Takes the fonts and pictures for the zoom (twips::Zoom) as it is now.
    void ApplyZoom();

    // Where a control lies on the board, in pixels, as it is painted (the
    // grade badge sized to its caption).
    QRect PaintRect(const Control& control) const;

    // Paints what of `form` meets `dirty` for device pixel ratio `dpr`,
    // with the system colours of `palette`.
    void Paint(QPainter& painter, const FormModel& form, const QRegion& dirty,
               const QPalette& palette, qreal dpr);

  private:
    // Where each control of the stacking order shows, or none: hidden, or
    // exactly under the same picture (the pieces resting in one palette
    // cell lie on one another, and only the top one of such a stack shows).
    std::vector<std::optional<QRect>> Shown(const FormModel& form) const;
    void PaintControl(QPainter& painter, const Control& control, const QRect& rect,
                      const QPalette& palette, qreal dpr);
    void PaintLine(QPainter& painter, const Control& control, const QRect& rect,
                   const QPalette& palette) const;
    void PaintLabel(QPainter& painter, const Control& control, const QRect& rect,
                    const QPalette& palette) const;
    void PaintBadge(QPainter& painter, const Control& control, const QRect& rect,
                    const QPalette& palette) const;
    QRect BadgeRect(const Control& control) const;

    content::PictureCache cache_;
    qreal cacheDpr_ = 0;
    QFont labelFont_;
    QFont badgeFont_;
};

// Fills a border `width` pixels wide along the inside of `rect`.
void DrawBorder(QPainter& painter, const QRect& rect, int width, const QColor& colour);

}  // namespace alkynes
