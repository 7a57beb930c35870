// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "prerendered/ReadyPictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include "content/Fonts.h"

namespace alkynes::content {
namespace {

// The pictures rendered by the build are exactly what the drawing code
// draws now, for every fixed-size picture at ratios 1 and 2, and the cache
// hands them out in place of drawing.  That holds where the formulas are
// drawn now with the very build of the face that drew them then.
TEST(ReadyPictures, AreThePicturesDrawnAtTheWindowsSizes) {
    const QString renderedWith = QString::fromUtf8(ReadyPicturesFace());
    const QString drawnWith = FaceBuild(FormulaFont());
    if (renderedWith != drawnWith) {
        GTEST_SKIP() << "the build rendered the pictures with " << renderedWith.toStdString()
                     << ", but the formulas are drawn with " << drawnWith.toStdString()
                     << " now; build again to render them with it";
    }
    const auto ready = ReadyPictures();
    EXPECT_EQ(ready.size(), FixedSizePictures().size() * 2);
    for (const PictureRef picture : FixedSizePictures()) {
        for (const qreal dpr : {1.0, 2.0}) {
            SCOPED_TRACE(::testing::Message()
                         << int(picture.kind) << "/" << int(picture.index) << " at " << dpr);
            PictureCache withReady;
            withReady.UseReady(ready);
            const QImage fromBuild = withReady.Pixmap(picture, ShownSize(picture), dpr).toImage();
            const QImage drawnNow = RenderPicture(picture, ShownSize(picture), dpr);
            ASSERT_EQ(fromBuild.size(), drawnNow.size());
            EXPECT_EQ(fromBuild.convertToFormat(QImage::Format_ARGB32_Premultiplied), drawnNow);
        }
    }
}

TEST(ReadyPictures, OtherSizesAreStillDrawn) {
    PictureCache cache;
    cache.UseReady(ReadyPictures());
    const PictureRef tile{PictureKind::Compound, 3};
    const QSize odd(200, 40);
    const QImage drawn = cache.Pixmap(tile, odd, 1.5).toImage();
    EXPECT_EQ(drawn.size(), QSize(300, 60));
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              RenderPicture(tile, odd, 1.5));
}

TEST(ReadyPictures, ShownSizesAreTheWindowsControls) {
    EXPECT_EQ(ShownSize({PictureKind::Compound, 5}), QSize(149, 29));
    EXPECT_EQ(ShownSize({PictureKind::Reaction, 0}), QSize(790, 74));
    EXPECT_EQ(ShownSize({PictureKind::Reaction, 4}), QSize(998, 74));
}

}  // namespace
}  // namespace alkynes::content
