// The one conversion between the window's twips and Qt's pixels.
//
// The exercise works in twips of the client area (15 twips to a pixel at
// 96 dpi).  Qt lays out and paints in device-independent pixels and puts any
// display scaling into the device pixel ratio, so one fixed scale of 1/15
// maps the window's design onto every screen.  Everything in the window
// layer that turns twips into pixels or back goes through this transform.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include "model/Design.h"

namespace alkynes::twips {

// A typographic point is 20 twips.
inline constexpr qreal kTwipsPerPoint = 20;

// Twips to device-independent pixels.
inline QTransform ToPixelsTransform() {
    const qreal s = 1.0 / static_cast<qreal>(design::kTwipsPerPixel);
    return QTransform::fromScale(s, s);
}

inline QRectF ToPixels(const QRectF& rect) {
    return ToPixelsTransform().mapRect(rect);
}

inline QPointF ToPixels(const QPointF& point) {
    return ToPixelsTransform().map(point);
}

// A rectangle in twips laid on the pixel grid: the pixels a control covers,
// where it is painted and where its child widget lies.
inline QRect ToPixelGrid(const QRectF& rect) {
    const QRectF p = ToPixels(rect);
    return QRect(qRound(p.x()), qRound(p.y()), qRound(p.width()), qRound(p.height()));
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

}  // namespace alkynes::twips
