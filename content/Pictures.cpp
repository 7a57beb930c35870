// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/Pictures.h"

#include <QByteArray>
#include <QImage>

#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <functional>

#include "content/Twips.h"
#include "model/Design.h"

namespace alkynes::content {
namespace {

// Line widths and shapes, in the picture's units (twips at its shown size,
// where 15 units are one pixel).
constexpr qreal kOutline = 18;            // tiles and coefficient places
constexpr qreal kBackgroundOutline = 15;  // the yellow strip
constexpr qreal kTileRadius = 0.45;       // of the tile's height: nearly semicircular ends
constexpr qreal kPlaceRadius = 0.22;      // of the place's height
// Each corner is a quarter of an ellipse 8.5 % of the width across and 20 %
// of the height high: the radii are half of that.
constexpr qreal kBackgroundCornerX = 0.085 / 2;  // of the picture's width
constexpr qreal kBackgroundCornerY = 0.20 / 2;   // of the picture's height
constexpr qreal kDash = 4;                       // dash and gap of a coefficient place,
constexpr qreal kDashGap = 2;                    // in line widths: the dash twice the gap
constexpr qreal kArrowBar = 0.03;                // thickness of the arrow's bar, of the height
constexpr qreal kArrowHeadLength = 1.6;          // of the arrowhead's height

struct Frame {
    qreal width;
    qreal height;

    QRectF Rect(const Element& e) const {
        return QRectF(QPointF(e.x.from * width, e.y.from * height),
                      QPointF(e.x.to * width, e.y.to * height));
    }
};

// A rounded rectangle whose outline of width `pen` lies just inside `rect`.
void DrawRounded(QPainter& painter, const QRectF& rect, qreal rx, qreal ry, const QPen& pen,
                 const QBrush& brush) {
    const qreal inset = pen.widthF() / 2;
    const QRectF inner = rect.adjusted(inset, inset, -inset, -inset);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawRoundedRect(inner, std::max<qreal>(rx - inset, 0), std::max<qreal>(ry - inset, 0),
                            Qt::AbsoluteSize);
}

void DrawText(QPainter& painter, const Element& element, const Frame& frame) {
    if (element.text.IsEmpty()) {
        return;
    }
    const TextPlacement placement = PlaceText(element, QSizeF(frame.width, frame.height));
    QTransform place;
    place.translate(placement.left, placement.baseline);
    place.scale(placement.em, placement.em);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTextBlack);
    painter.drawPath(place.map(ShapeFormula(element.text).path));
}

void DrawArrow(QPainter& painter, const Element& element, const Frame& frame) {
    const QRectF rect = frame.Rect(element);
    const qreal centre = rect.center().y();
    const qreal headLength = std::min(kArrowHeadLength * rect.height(), rect.width() / 2);
    const qreal bar = kArrowBar * frame.height;
    const qreal headStart = rect.right() - headLength;

    QPainterPath arrow;
    arrow.addRect(QRectF(rect.left(), centre - bar / 2, headStart - rect.left() + bar, bar));
    QPainterPath head;
    head.moveTo(headStart, rect.top());
    head.lineTo(rect.right(), centre);
    head.lineTo(headStart, rect.bottom());
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOutlineDark);
    painter.drawPath(arrow.united(head));
}

void DrawElement(QPainter& painter, const Element& element, const Frame& frame) {
    const QRectF rect = frame.Rect(element);
    switch (element.kind) {
        case ElementKind::Background:
            DrawRounded(painter, rect, kBackgroundCornerX * frame.width,
                        kBackgroundCornerY * frame.height, QPen(kOutlineDark, kBackgroundOutline),
                        kReactionYellow);
            break;
        case ElementKind::Tile: {
            const qreal radius = kTileRadius * rect.height();
            DrawRounded(painter, rect, radius, radius, QPen(kOutlineDark, kOutline), kTileGreen);
            DrawText(painter, element, frame);
            break;
        }
        case ElementKind::CoefficientPlace: {
            QPen dashed(kOutlineDark, kOutline, Qt::CustomDashLine, Qt::FlatCap);
            dashed.setDashPattern({kDash, kDashGap});
            const qreal radius = kPlaceRadius * rect.height();
            DrawRounded(painter, rect, radius, radius, dashed, Qt::NoBrush);
            break;
        }
        case ElementKind::Text:
            DrawText(painter, element, frame);
            break;
        case ElementKind::Arrow:
            DrawArrow(painter, element, frame);
            break;
    }
}

}  // namespace

void DrawPicture(QPainter& painter, PictureRef picture, const QRectF& target) {
    if (picture.kind == PictureKind::DragIcon) {
        DrawDragIcon(painter, target);
        return;
    }
    const PictureContent* content = ContentOf(picture);
    if (content == nullptr || target.isEmpty()) {
        return;
    }
    const Frame frame{content->units.width(), content->units.height()};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QTransform stretch;
    stretch.translate(target.x(), target.y());
    stretch.scale(target.width() / frame.width, target.height() / frame.height);
    painter.setTransform(stretch, true);
    for (const Element& element : content->elements) {
        DrawElement(painter, element, frame);
    }
    painter.restore();
}

std::size_t PictureCache::KeyHash::operator()(const Key& key) const noexcept {
    std::size_t h = std::hash<int>()(static_cast<int>(key.kind));
    for (std::size_t part : {std::hash<int>()(key.index), std::hash<int>()(key.width),
                             std::hash<int>()(key.height), std::hash<qreal>()(key.dpr)}) {
        h = h * 1000003u ^ part;
    }
    return h;
}

std::vector<PictureRef> FixedSizePictures() {
    std::vector<PictureRef> pictures;
    for (int k = 0; k < design::kMasterPieces; ++k) {
        pictures.push_back({PictureKind::Compound, static_cast<std::int8_t>(k)});
    }
    for (int r = 0; r < design::kReactions; ++r) {
        pictures.push_back({PictureKind::Reaction, static_cast<std::int8_t>(r)});
    }
    return pictures;
}

QSize ShownSize(PictureRef picture) {
    // The size of the control that shows it, as the window lays it out.
    for (const design::ControlDesign& c : design::Controls()) {
        const bool piece = picture.kind == PictureKind::Compound &&
                           c.name == ControlName::ImgMolecular && c.index == 0;
        const bool reaction = picture.kind == PictureKind::Reaction &&
                              c.name == ControlName::ImgSyntactic && c.index == picture.index;
        if (piece || reaction) {
            return twips::ToPixelGrid(QRectF(0, 0, c.width, c.height), 1).size();
        }
    }
    return {};
}

QImage RenderPicture(PictureRef picture, QSize logicalSize, qreal dpr) {
    const QSize device(static_cast<int>(std::lround(logicalSize.width() * dpr)),
                       static_cast<int>(std::lround(logicalSize.height() * dpr)));
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    {
        QPainter painter(&image);
        DrawPicture(painter, picture, QRectF(0, 0, device.width() / dpr, device.height() / dpr));
    }
    return image;
}

namespace {

QImage ReadyImage(std::span<const ReadyPicture> ready, PictureRef picture, QSize device) {
    for (const ReadyPicture& r : ready) {
        if (r.kind != picture.kind || r.index != picture.index || r.width != device.width() ||
            r.height != device.height()) {
            continue;
        }
        const QByteArray pixels = qUncompress(r.data, r.size);
        if (pixels.size() != static_cast<qsizetype>(r.width) * r.height * 4) {
            return {};  // damaged: draw it instead
        }
        return QImage(reinterpret_cast<const uchar*>(pixels.constData()), r.width, r.height,
                      r.width * 4, QImage::Format_ARGB32_Premultiplied)
            .copy();
    }
    return {};
}

}  // namespace

const QPixmap& PictureCache::Pixmap(PictureRef picture, QSize logicalSize, qreal dpr) {
    static const QPixmap kNone;
    if (logicalSize.isEmpty() || !(dpr > 0)) {
        return kNone;
    }
    const Key key{picture.kind, picture.index, logicalSize.width(), logicalSize.height(), dpr};
    auto it = pixmaps_.find(key);
    if (it != pixmaps_.end()) {
        return it->second;
    }
    const QSize device(static_cast<int>(std::lround(logicalSize.width() * dpr)),
                       static_cast<int>(std::lround(logicalSize.height() * dpr)));
    QImage image = ReadyImage(ready_, picture, device);
    if (image.isNull()) {
        image = RenderPicture(picture, logicalSize, dpr);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(dpr);
    return pixmaps_.emplace(key, std::move(pixmap)).first->second;
}

void PictureCache::Clear() {
    pixmaps_.clear();
}

}  // namespace alkynes::content
