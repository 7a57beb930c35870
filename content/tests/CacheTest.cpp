// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Rendering pictures once per picture, size and device pixel ratio.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "content/Pictures.h"
#include "content/tests/Pixels.h"

namespace alkynes::content {
namespace {

constexpr PictureRef kWater{PictureKind::Compound, 0};
constexpr PictureRef kReaction2{PictureKind::Reaction, 2};

TEST(PictureCache, RendersEachPictureSizeAndRatioOnce) {
    PictureCache cache;
    const QPixmap& first = cache.Pixmap(kWater, QSize(149, 29), 1.0);
    const QPixmap& again = cache.Pixmap(kWater, QSize(149, 29), 1.0);
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(first.cacheKey(), again.cacheKey());
    EXPECT_EQ(cache.Count(), 1u);

    const QPixmap& sharp = cache.Pixmap(kWater, QSize(149, 29), 2.0);
    EXPECT_NE(&sharp, &first);
    EXPECT_EQ(cache.Pixmap(kWater, QSize(150, 29), 1.0).width(), 150);
    EXPECT_EQ(cache.Pixmap({PictureKind::Compound, 1}, QSize(149, 29), 1.0).cacheKey() ==
                  first.cacheKey(),
              false);
    EXPECT_EQ(cache.Count(), 4u);

    // Earlier pixmaps stay where they are while the cache grows: the window
    // may keep references to them across a paint.
    const qint64 key = first.cacheKey();
    for (int w = 100; w < 160; ++w) {
        cache.Pixmap(kReaction2, QSize(w, 20), 1.0);
    }
    EXPECT_EQ(first.cacheKey(), key);
    EXPECT_EQ(&cache.Pixmap(kWater, QSize(149, 29), 1.0), &first);

    cache.Clear();
    EXPECT_EQ(cache.Count(), 0u);
}

TEST(PictureCache, PixmapsHaveTheDevicePixelsOfTheirRatio) {
    PictureCache cache;
    for (qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(dpr);
        const QPixmap& pixmap = cache.Pixmap(kReaction2, QSize(998, 74), dpr);
        EXPECT_EQ(pixmap.width(), qRound(998 * dpr));
        EXPECT_EQ(pixmap.height(), qRound(74 * dpr));
        EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
        // Drawn over the whole pixmap: its right and bottom edges are
        // reached by the picture's outline.
        const QImage image = pixmap.toImage();
        EXPECT_GT(qAlpha(image.pixel(image.width() - 1, image.height() / 2)), 0);
        EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() - 1)), 0);
    }
}

TEST(PictureCache, TwiceTheRatioIsTheSamePictureInFinerPixels) {
    PictureCache cache;
    const QImage one = cache.Pixmap(kReaction2, QSize(998, 74), 1.0).toImage();
    const QImage two = cache.Pixmap(kReaction2, QSize(998, 74), 2.0)
                           .toImage()
                           .scaled(998, 74, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Compare the green and dark coverage of the two, region by region.
    int differing = 0;
    for (int y = 0; y < 74; y += 2) {
        for (int x = 0; x < 998; x += 2) {
            const QRgb a = one.pixel(x, y), b = two.pixel(x, y);
            if (std::abs(qGreen(a) - qGreen(b)) > 100 || std::abs(qRed(a) - qRed(b)) > 100) {
                ++differing;
            }
        }
    }
    EXPECT_LT(differing, 998 * 74 / 4 / 50) << "more than 2 % of the picture differs";
}

TEST(PictureCache, NothingToDrawGivesANullOrEmptyPixmap) {
    PictureCache cache;
    EXPECT_TRUE(cache.Pixmap(kWater, QSize(0, 29), 1.0).isNull());
    EXPECT_TRUE(cache.Pixmap(kWater, QSize(149, 29), 0.0).isNull());
    const QImage none = cache.Pixmap({PictureKind::None, 0}, QSize(20, 20), 1.0).toImage();
    const QImage outOfRange =
        cache.Pixmap({PictureKind::Compound, 9}, QSize(20, 20), 1.0).toImage();
    EXPECT_EQ(testing::Count(none, none.rect(), [](QRgb p) { return qAlpha(p) != 0; }), 0);
    EXPECT_EQ(testing::Count(outOfRange, outOfRange.rect(), [](QRgb p) { return qAlpha(p) != 0; }),
              0);
}

TEST(DrawPicture, StretchesToItsTargetAndLeavesThePainterAsItWas) {
    QImage image(400, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(10, 5);
    const QTransform before = painter.transform();
    DrawPicture(painter, kWater, QRectF(50, 20, 300, 60));
    EXPECT_EQ(painter.transform(), before);
    EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
    painter.end();
    // The tile covers (60, 25) to (360, 85) in the image and nothing else.
    EXPECT_TRUE(testing::IsGreen(image.pixel(60 + 30, 25 + 30)));
    EXPECT_TRUE(testing::IsGreen(image.pixel(360 - 30, 25 + 30)));
    EXPECT_EQ(qAlpha(image.pixel(55, 55)), 0);
    EXPECT_EQ(qAlpha(image.pixel(365, 55)), 0);
    EXPECT_EQ(qAlpha(image.pixel(200, 22)), 0);
    EXPECT_EQ(qAlpha(image.pixel(200, 88)), 0);
    EXPECT_GT(qAlpha(image.pixel(200, 26)), 0);
    EXPECT_GT(qAlpha(image.pixel(200, 84)), 0);
}

}  // namespace
}  // namespace alkynes::content
