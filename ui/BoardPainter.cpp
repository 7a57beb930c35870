// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPixmap>
#include <QRegion>
#include <QString>

#include <algorithm>
#include <utility>

#include "content/Look.h"
#include "content/Twips.h"
#include "model/Design.h"
#include "prerendered/ReadyPictures.h"

namespace alkynes {
namespace {

// The colours of the window definition.  "Window background" and "window
// text" are the system colours of text areas, which Qt calls Base and Text.
const QColor kFormBackground = content::ToColor(design::kFormBackColor);
const QColor kFrameFill = content::ToColor(design::kFrame.fill);
const QColor kFrameBorder = content::ToColor(design::kFrame.border);
const QColor kBadgeBack = content::ToColor(design::kGrade.back);
const QColor kBadgeText = content::ToColor(design::kGrade.fore);

}  // namespace

void DrawBorder(QPainter& painter, const QRect& r, int width, const QColor& colour) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}

BoardPainter::BoardPainter() {
    ApplyZoom();
}

// The pictures at the window's own sizes, zoom 1, were rendered by the
// build; at another zoom they are drawn at the sizes they get.
void BoardPainter::ApplyZoom() {
    labelFont_ = content::ToFont(design::kLabelFont);
    badgeFont_ = content::ToFont(design::kGrade.font);
    cache_.Clear();
    if (twips::Zoom() == 1) {
        cache_.UseReady(content::ReadyPictures());
    } else {
        cache_.UseReady({});
    }
}

QRect BoardPainter::PaintRect(const Control& c) const {
    if (c.ref.name == ControlName::LGrade) {
        return BadgeRect(c);
    }
    if (c.kind == ControlKind::Line) {
        const QRectF span =
            QRectF(QPointF(c.Left, c.Top), QPointF(c.Left + c.Width, c.Top + c.Height))
                .normalized();
        const int width = twips::ZoomedPixels(design::kLineWidthPixels);
        return twips::ToPixelGrid(span).adjusted(0, 0, width, width);
    }
    return twips::ToPixelGrid(c);
}

// The badge sizes itself to its caption.  It keeps the right edge of its
// designed rectangle, beside the window's edge, so that a shorter score
// stays right-aligned where "100%" would end.
QRect BoardPainter::BadgeRect(const Control& c) const {
    const QFontMetrics metrics(badgeFont_);
    const int border = twips::ZoomedPixels(design::kGrade.borderPixels);
    const int width = metrics.horizontalAdvance(QString::fromStdString(c.Text)) +
                      2 * (border + twips::ZoomedPixels(design::kGrade.paddingPixels));
    const int height = metrics.height() + 2 * border;
    const QRect designed = twips::ToPixelGrid(c);
    return QRect(designed.left() + designed.width() - width, designed.top(), width, height);
}

std::vector<std::optional<QRect>> BoardPainter::Shown(const FormModel& form) const {
    const std::vector<ControlRef>& order = form.StackingOrder();
    std::vector<std::optional<QRect>> shown(order.size());
    std::vector<std::pair<QRect, PictureRef>> seen;
    for (std::size_t i = order.size(); i-- > 0;) {  // from the top
        const Control& c = form.Get(order[i]);
        if (!c.Visible) {
            continue;
        }
        const QRect rect = PaintRect(c);
        if (c.kind == ControlKind::Image) {
            const std::pair<QRect, PictureRef> key{rect, c.Picture};
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
                continue;  // covered by the same picture in the same place
            }
            seen.push_back(key);
        }
        shown[i] = rect;
    }
    return shown;
}

void BoardPainter::Paint(QPainter& painter, const FormModel& form, const QRegion& dirty,
                         const QPalette& palette, qreal dpr) {
    // Pictures are rendered for the ratio of the screen the window is on
    // now; a window moved to another screen renders them anew.
    if (dpr != cacheDpr_) {
        cache_.Clear();
        cacheDpr_ = dpr;
    }
    painter.fillRect(dirty.boundingRect(), kFormBackground);
    const std::vector<ControlRef>& order = form.StackingOrder();
    const std::vector<std::optional<QRect>> shown = Shown(form);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (shown[i] && dirty.intersects(*shown[i])) {
            PaintControl(painter, form.Get(order[i]), *shown[i], palette, dpr);
        }
    }
}

void BoardPainter::PaintControl(QPainter& painter, const Control& c, const QRect& rect,
                                const QPalette& palette, qreal dpr) {
    switch (c.kind) {
        case ControlKind::Shape:
            painter.fillRect(rect, kFrameFill);
            DrawBorder(painter, rect, twips::ZoomedPixels(design::kFrame.borderPixels),
                       kFrameBorder);
            break;
        case ControlKind::Line:
            PaintLine(painter, c, rect, palette);
            break;
        case ControlKind::Label:
            if (c.ref.name == ControlName::LGrade) {
                PaintBadge(painter, c, rect, palette);
            } else {
                PaintLabel(painter, c, rect, palette);
            }
            break;
        case ControlKind::Image: {
            const QPixmap& pixmap = cache_.Pixmap(c.Picture, rect.size(), dpr);
            if (!pixmap.isNull()) {
                painter.drawPixmap(rect.topLeft(), pixmap);
            }
            break;
        }
        case ControlKind::TextBox:
            break;  // real child widgets
    }
}

void BoardPainter::PaintLine(QPainter& painter, const Control& c, const QRect& rect,
                             const QPalette& palette) const {
    const QColor colour = palette.color(QPalette::Text);
    if (c.Width == 0 || c.Height == 0) {
        painter.fillRect(rect, colour);
        return;
    }
    painter.save();
    painter.setPen(QPen(colour, twips::ZoomedPixels(design::kLineWidthPixels)));
    painter.drawLine(twips::ToPixels(QPointF(c.Left, c.Top)),
                     twips::ToPixels(QPointF(c.Left + c.Width, c.Top + c.Height)));
    painter.restore();
}

void BoardPainter::PaintLabel(QPainter& painter, const Control& c, const QRect& rect,
                              const QPalette& palette) const {
    painter.fillRect(rect, palette.color(QPalette::Base));
    painter.setPen(palette.color(QPalette::Text));
    painter.setFont(labelFont_);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(c.Text));
}

void BoardPainter::PaintBadge(QPainter& painter, const Control& c, const QRect& rect,
                              const QPalette& palette) const {
    painter.fillRect(rect, kBadgeBack);
    const int border = twips::ZoomedPixels(design::kGrade.borderPixels);
    DrawBorder(painter, rect, border, palette.color(QPalette::Text));
    painter.setPen(kBadgeText);
    painter.setFont(badgeFont_);
    const int inset = border + twips::ZoomedPixels(design::kGrade.paddingPixels);
    painter.drawText(rect.adjusted(inset, border, -inset, -border),
                     Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(c.Text));
}

}  // namespace alkynes
