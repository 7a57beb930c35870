// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's icon, the hand cursor of the pieces and the drag icon.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "content/Artwork.h"
#include "content/Pictures.h"
#include "content/tests/Pixels.h"

namespace alkynes::content {
namespace {

using testing::Count;

bool Opaque(QRgb p) {
    return qAlpha(p) > 200;
}
bool White(QRgb p) {
    return Opaque(p) && qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235;
}
bool Grey(QRgb p) {
    return Opaque(p) && qRed(p) > 110 && qRed(p) < 220 && std::abs(qRed(p) - qGreen(p)) < 12 &&
           std::abs(qRed(p) - qBlue(p)) < 12;
}
bool Blue(QRgb p) {
    return Opaque(p) && qBlue(p) > 150 && qRed(p) < 120;
}
bool Red(QRgb p) {
    return Opaque(p) && qRed(p) > 180 && qGreen(p) < 100 && qBlue(p) < 100;
}
bool Black(QRgb p) {
    return Opaque(p) && qRed(p) + qGreen(p) + qBlue(p) < 60;
}

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(WindowIcon, ComesInEverySizeWithGlassAndColouredLiquid) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = Image(WindowIconPixmap(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        const int area = size * size;
        EXPECT_GT(Count(icon, icon.rect(), Opaque), area / 4);
        EXPECT_LT(Count(icon, icon.rect(), Opaque), area * 9 / 10) << "not a filled square";
        // The beaker's blue liquid on the right, the tube's red on the left.
        EXPECT_GT(Count(icon, QRect(size / 2, size / 2, size / 2, size / 2), Blue), area / 40);
        EXPECT_GT(Count(icon, QRect(0, size / 2, size / 2, size / 2), Red), area / 200);
    }
    // The icon offers the window sizes and draws any other size on request.
    const QIcon windowIcon = WindowIcon();
    const QList<QSize> sizes = windowIcon.availableSizes();
    for (int size : {16, 32, 48}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    for (int size : {16, 48, 256}) {
        EXPECT_EQ(windowIcon.pixmap(size).toImage(), WindowIconPixmap(size).toImage()) << size;
    }
    EXPECT_TRUE(WindowIconPixmap(0).isNull());
}

TEST(HandCursor, IsAGlovePointingUpWithItsHotSpotAtTheFingerTip) {
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        const QCursor cursor = HandCursor(dpr);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), QPoint(12, 1));
        const QPixmap pixmap = cursor.pixmap();
        EXPECT_EQ(pixmap.size(), QSize(32, 32) * dpr);
        EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
        const QImage hand = Image(pixmap);
        const int d = static_cast<int>(dpr);
        // The hot spot is the top of the index finger: drawn there, and
        // nothing above it.
        EXPECT_TRUE(Opaque(hand.pixel(12 * d + d / 2, 1 * d + d / 2)));
        EXPECT_EQ(Count(hand, QRect(0, 0, 32 * d, 1 * d), Opaque), 0);
        // The finger is the only thing in the top third.
        EXPECT_EQ(Count(hand, QRect(0, 0, 10 * d, 10 * d), Opaque), 0);
        EXPECT_EQ(Count(hand, QRect(16 * d, 0, 16 * d, 8 * d), Opaque), 0);
        // A white glove with grey shading, outlined, and a blue cuff below.
        EXPECT_GT(Count(hand, hand.rect(), White), 80 * d * d);
        EXPECT_GT(Count(hand, hand.rect(), Grey), 10 * d * d);
        EXPECT_GT(Count(hand, hand.rect(), Black), 40 * d);
        EXPECT_GT(Count(hand, QRect(0, 24 * d, 32 * d, 8 * d), Blue), 20 * d * d);
        EXPECT_EQ(Count(hand, QRect(0, 0, 32 * d, 22 * d), Blue), 0);
    }
}

TEST(DragIcon, IsAWhiteHandAboveAGreenSlab) {
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        const QPixmap pixmap = DragIconPixmap(dpr);
        EXPECT_EQ(pixmap.size(), QSize(32, 32) * dpr);
        EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(32, 32));
        const QImage icon = Image(pixmap);
        const int d = static_cast<int>(dpr);
        const QRect upper(0, 0, 32 * d, 20 * d), lower(0, 22 * d, 32 * d, 10 * d);
        EXPECT_GT(Count(icon, lower, testing::IsGreen), 100 * d * d);
        EXPECT_EQ(Count(icon, upper, testing::IsGreen), 0);
        EXPECT_GT(Count(icon, upper, White), 50 * d * d);
        EXPECT_GT(Count(icon, upper, Black), 30 * d);
        EXPECT_GT(Count(icon, lower, Black), 30 * d);
    }
}

TEST(DragIcon, IsAlsoThePictureOfTheDropIconHolder) {
    QImage drawn(32, 32, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        DrawPicture(painter, {PictureKind::DragIcon, 0}, QRectF(0, 0, 32, 32));
    }
    EXPECT_EQ(drawn, Image(DragIconPixmap(1.0)));
}

}  // namespace
}  // namespace alkynes::content
