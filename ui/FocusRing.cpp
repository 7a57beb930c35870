// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FocusRing.h"

#include <QColor>
#include <QPainter>
#include <QTransform>
#include <QWidget>

#include <cmath>

#include "content/Look.h"
#include "model/Design.h"
#include "ui/BoardPainter.h"

namespace alkynes {

bool FocusRing::SetWanted(bool wanted) {
    const bool changed = wanted != wanted_;
    wanted_ = wanted;
    return changed;
}

void FocusRing::MoveTo(QWidget& widget, const QRect& around) {
    QRect now = around;
    if (!now.isNull()) {
        // The ring and a pixel for rounding at fractional ratios.
        const int margin = design::kFocusRingPixels + 1;
        now.adjust(-margin, -margin, margin, margin);
    }
    if (now == painted_) {
        return;
    }
    if (!painted_.isNull()) {
        widget.update(painted_);
    }
    if (!now.isNull()) {
        widget.update(now);
    }
    painted_ = now;
}

// Drawn in device pixels, so that both edges of the ring fall on pixel
// boundaries at every ratio and the ring stays crisp.
void FocusRing::Paint(QPainter& painter, const QRect& around, qreal dpr) {
    static const QColor colour = content::ToColor(design::kFocusRingColor);
    const int width = static_cast<int>(std::ceil(design::kFocusRingPixels * dpr));
    auto device = [dpr](int v) { return static_cast<int>(std::lround(v * dpr)); };
    const QRect inner(QPoint(device(around.left()), device(around.top())),
                      QPoint(device(around.right() + 1) - 1, device(around.bottom() + 1) - 1));
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    DrawBorder(painter, inner.adjusted(-width, -width, width, width), width, colour);
    painter.restore();
}

}  // namespace alkynes
