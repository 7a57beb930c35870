// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The one conversion between the window's twips and Qt's pixels.
//
// The exercise works in twips of the client area (15 twips to a pixel at
// 96 dpi).  Qt lays out and paints in device-independent pixels and puts any
// display scaling into the device pixel ratio, so one fixed scale of 1/15
// maps the window's design onto every screen.  Everything in the window
// layer that turns twips into pixels or back goes through this transform.
//
// One zoom factor multiplies that scale for the whole program: the board,
// its pictures (drawn as vectors at the size they get), fonts and boxes,
// and the about window.  It is 1 unless the main window chooses another
// before it is first shown (Form1Window::FitToScreen: the --scale option,
// or a screen too small for the window).
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include "model/Design.h"

namespace alkynes::twips {

// A typographic point is 20 twips.
inline constexpr qreal kTwipsPerPoint = 20;

// The zooms the program shows its windows at: below half size the texts
// cannot be read, and eight times fills any screen there is.
inline constexpr qreal kSmallestZoom = 0.5;
inline constexpr qreal kLargestZoom = 8;

namespace detail {
inline qreal zoom = 1;
}  // namespace detail

inline qreal Zoom() {
    return detail::zoom;
}

// Sets the zoom; the windows that lay themselves out from twips must then
// be laid out again (BoardWidget::ApplyZoom).
inline void SetZoom(qreal zoom) {
    detail::zoom = zoom;
}

// Twips to device-independent pixels, at the program's zoom or, for the
// window's design sizes that the pictures are rendered ahead for, at 1.
inline QTransform ToPixelsTransform(qreal zoom = Zoom()) {
    const qreal s = zoom / static_cast<qreal>(design::kTwipsPerPixel);
    return QTransform::fromScale(s, s);
}

inline QRectF ToPixels(const QRectF& rect, qreal zoom = Zoom()) {
    return ToPixelsTransform(zoom).mapRect(rect);
}

inline QPointF ToPixels(const QPointF& point, qreal zoom = Zoom()) {
    return ToPixelsTransform(zoom).map(point);
}

// A rectangle in twips laid on the pixel grid: the pixels a control covers,
// where it is painted and where its child widget lies.
inline QRect ToPixelGrid(const QRectF& rect, qreal zoom = Zoom()) {
    const QRectF p = ToPixels(rect, zoom);
    return QRect(qRound(p.x()), qRound(p.y()), qRound(p.width()), qRound(p.height()));
}

// A control's rectangle, or a rectangle of the design, on the pixel grid.
inline QRect ToPixelGrid(const Control& c) {
    return ToPixelGrid(QRectF(c.Left, c.Top, c.Width, c.Height));
}
inline QRect ToPixelGrid(const design::Rect& r) {
    return ToPixelGrid(QRectF(r.left, r.top, r.width, r.height));
}

// Pixels back to twips (pointer positions).
inline QPointF FromPixels(const QPointF& point) {
    return ToPixelsTransform().inverted().map(point);
}

inline QSizeF FromPixels(const QSizeF& size) {
    const QRectF r = ToPixelsTransform().inverted().mapRect(QRectF(QPointF(0, 0), size));
    return r.size();
}

// The pixel size of a font designed at `points`: fonts are sized in pixels
// so that texts keep their place in the layout at any logical dpi.
inline int FontPixelSize(qreal points) {
    return qRound(ToPixels(QPointF(points * kTwipsPerPoint, 0)).x());
}

// A width designed in whole pixels (a border, a rule), at the zoom: never
// thinner than one pixel.
inline int ZoomedPixels(int pixels) {
    return std::max(1, qRound(pixels * Zoom()));
}

// The zoom to show a window at: `wanted` where the window's outer size at
// that zoom, `outer(zoom)`, fits in `room`; otherwise the largest zoom in
// hundredths below it that fits, and kSmallestZoom where none does.  The
// outer size must grow with the zoom.
template <typename OuterSize>
qreal FitZoom(qreal wanted, QSize room, OuterSize outer) {
    const auto fits = [&](qreal zoom) {
        const QSize size = outer(zoom);
        return size.width() <= room.width() && size.height() <= room.height();
    };
    wanted = std::clamp(wanted, kSmallestZoom, kLargestZoom);
    if (fits(wanted)) {
        return wanted;
    }
    int low = qRound(kSmallestZoom * 100);
    int high = static_cast<int>(std::ceil(wanted * 100 - 1e-9)) - 1;
    if (high < low || !fits(low / 100.0)) {
        return kSmallestZoom;
    }
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(middle / 100.0)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low / 100.0;
}

}  // namespace alkynes::twips
