// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the exercise's pictures and keeping rendered copies of them.
//
// The compound tiles and reaction pictures are vector drawings: each is
// drawn from its PictureContent (Layout.h) stretched to whatever rectangle
// it is given, so it stays sharp at every size and device pixel ratio.
// PictureCache keeps one rendered pixmap per picture, size and ratio, so
// that painting the window's 117 pieces and five equations is copying.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>

#include <cstddef>
#include <span>
#include <unordered_map>
#include <vector>

#include "content/Artwork.h"
#include "content/Fonts.h"
#include "content/Layout.h"
#include "content/Look.h"
#include "model/Controls.h"
#include "model/Design.h"

namespace alkynes::content {

// The colours of the pictures, from the design values.
inline constexpr QColor kTileGreen = ToColor(design::kPictureColors.tileFill);
inline constexpr QColor kReactionYellow = ToColor(design::kPictureColors.reactionFill);
inline constexpr QColor kOutlineDark = ToColor(design::kPictureColors.outline);
inline constexpr QColor kTextBlack = ToColor(design::kPictureColors.formula);

// Draws `picture` stretched to `target` (in the painter's current
// coordinates), as vectors.  Nothing is drawn for PictureKind::None or an
// index out of range.  The painter's state is left as it was.
void DrawPicture(QPainter& painter, PictureRef picture, const QRectF& target);

// A picture rendered ahead, at build time, for one size in device pixels:
// its premultiplied ARGB32 pixels, compressed with qCompress.
struct ReadyPicture {
    PictureKind kind;
    int index;
    int width;
    int height;
    const unsigned char* data;
    int size;
};

// The pictures the window shows at fixed sizes: the nine compounds and the
// five reactions, which the build renders ahead for ratios 1 and 2.
std::vector<PictureRef> FixedSizePictures();

// The size the window shows `picture` at, in device-independent pixels.
QSize ShownSize(PictureRef picture);

// The pixels of `picture` rendered for `logicalSize` and `dpr`, drawn now:
// what a ready picture holds and what the cache draws.
QImage RenderPicture(PictureRef picture, QSize logicalSize, qreal dpr);

class PictureCache {
  public:
    // Pictures rendered ahead to take instead of drawing them, when one
    // matches the picture and the device size asked for.  They must come
    // from RenderPicture of this same code (see prerendered/PrerenderPictures.cpp).
    void UseReady(std::span<const ReadyPicture> ready) { ready_ = ready; }

    // The picture rendered at `logicalSize` (device-independent pixels) for
    // device pixel ratio `dpr`: a pixmap of logicalSize × dpr device pixels
    // whose devicePixelRatio is dpr, transparent where the picture is.  The
    // reference stays valid until Clear() or the cache's end.  An empty size
    // or a ratio that is not positive gives a null pixmap.
    const QPixmap& Pixmap(PictureRef picture, QSize logicalSize, qreal dpr);

    // Forgets every rendered pixmap (for example when the screen changes).
    void Clear();

    std::size_t Count() const { return pixmaps_.size(); }

  private:
    std::span<const ReadyPicture> ready_;
    struct Key {
        PictureKind kind;
        int index;
        int width;
        int height;
        qreal dpr;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept;
    };
    std::unordered_map<Key, QPixmap, KeyHash> pixmaps_;
};

}  // namespace alkynes::content
