// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The emblem and the maker's logo are drawn, and drawn as designed: the
// emblem in maroon only on a transparent ground, the logo as a full colour
// picture filling its rectangle.
#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include "content/Look.h"
#include "info/Artwork.h"
#include "model/Design.h"

namespace alkynes::info {
namespace {

QImage Render(void (*draw)(QPainter&, const QRectF&), QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image;
}

TEST(Emblem, IsMaroonOnATransparentGround) {
    const QImage image = Render(DrawEmblem, QSize(213, 213));
    // Outside the ring, the corners, stays transparent.
    for (const QPoint corner : {QPoint(0, 0), QPoint(212, 0), QPoint(0, 212), QPoint(212, 212)}) {
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
    }
    int inked = 0;
    int solid = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) {
                continue;
            }
            ++inked;
            if (qAlpha(p) == 255) {
                ++solid;
                ASSERT_EQ(QColor(p), content::ToColor(design::about::kEmblemColor)) << "at " << x << ", " << y;
            }
        }
    }
    // Rings, lettering, shield and letter: a fair share of the square, far from all of it.
    EXPECT_GT(solid, 213 * 213 / 20);
    EXPECT_LT(inked, 213 * 213 / 2);
    // The outer ring passes through the top middle.
    EXPECT_EQ(qAlpha(image.pixel(106, 3)), 255);
}

TEST(MakerLogo, FillsItsRectangleWithAColourPicture) {
    const QImage image = Render(DrawMakerLogo, QSize(267, 267));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ASSERT_EQ(qAlpha(p), 255) << "at " << x << ", " << y;
            colours.insert(p);
        }
    }
    EXPECT_GT(colours.size(), 100);
    // Stretched, not kept square inside a wider rectangle: a 400 x 100
    // rendering is opaque from edge to edge too.
    const QImage wide = Render(DrawMakerLogo, QSize(400, 100));
    EXPECT_EQ(qAlpha(wide.pixel(0, 50)), 255);
    EXPECT_EQ(qAlpha(wide.pixel(399, 50)), 255);
}

}  // namespace
}  // namespace alkynes::info
