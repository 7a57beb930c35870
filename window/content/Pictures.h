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
#include <unordered_map>

#include "window/content/Artwork.h"
#include "window/content/Fonts.h"
#include "window/content/Layout.h"
#include "window/model/Controls.h"

namespace alkynes::content {

// The colours of the pictures.
inline constexpr QColor kTileGreen{0, 255, 0};
inline constexpr QColor kReactionYellow{255, 255, 0};
inline constexpr QColor kOutlineDark{31, 26, 23};
inline constexpr QColor kTextBlack{0, 0, 0};

// Draws `picture` stretched to `target` (in the painter's current
// coordinates), as vectors.  Nothing is drawn for PictureKind::None or an
// index out of range.  The painter's state is left as it was.
void DrawPicture(QPainter& painter, PictureRef picture, const QRectF& target);

class PictureCache {
  public:
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
