// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The compound tiles as drawn, at the pieces' shown size (2235 × 435 twips)
// and at twice its resolution.
#include <gtest/gtest.h>

#include <tuple>

#include "content/Pictures.h"
#include "content/tests/Pixels.h"
#include "model/Design.h"

namespace alkynes::content {
namespace {

using testing::Count;
using testing::IsBlack;
using testing::IsGreen;

class TilePixels : public ::testing::TestWithParam<testing::PictureAtRatio> {
  protected:
    void SetUp() override {
        compound_ = std::get<0>(GetParam());
        scale_ = std::get<1>(GetParam());
        image_ = testing::Render({PictureKind::Compound, static_cast<std::int8_t>(compound_)},
                                 QSize(149, 29), scale_);
        ASSERT_EQ(image_.size(), QSize(149, 29) * scale_);
    }
    int compound_ = 0;
    int scale_ = 1;
    QImage image_;
};

TEST_P(TilePixels, FillsItsRectangleWithGreen) {
    const int w = image_.width(), h = image_.height();
    const int green = Count(image_, image_.rect(), IsGreen);
    EXPECT_GT(green, 0.55 * w * h);
    // Nearly semicircular ends: the corners are left transparent, the
    // middle of each end is the tile.
    for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1),
                          QPoint(h / 16, h / 16), QPoint(w - 1 - h / 16, h - 1 - h / 16)}) {
        EXPECT_EQ(qAlpha(image_.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    EXPECT_GT(qAlpha(image_.pixel(0, h / 2)), 0);
    EXPECT_GT(qAlpha(image_.pixel(w - 1, h / 2)), 0);
    EXPECT_TRUE(IsGreen(image_.pixel(h / 4, h / 2)));
}

TEST_P(TilePixels, CarriesItsFormulaCentredAndInside) {
    const int w = image_.width(), h = image_.height();
    // Letters in the middle band.
    EXPECT_GT(Count(image_, QRect(w / 3, h * 3 / 10, w / 3, h * 2 / 5), IsBlack), 3 * scale_);
    // Their extent: centred across, clear of the round ends, about two
    // thirds of the tile's height tall.
    QRect ink;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (IsBlack(image_.pixel(x, y)))
                ink |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 0.3 * h);
    EXPECT_LE(ink.right(), w - 0.3 * h);
    EXPECT_GE(ink.top(), 0.1 * h);
    EXPECT_LE(ink.bottom(), 0.9 * h);
    EXPECT_NEAR(ink.center().x(), w / 2.0, 0.04 * w);
    EXPECT_GE(ink.height(), 0.38 * h);
    EXPECT_LE(ink.height(), 0.75 * h);
}

INSTANTIATE_TEST_SUITE_P(AllCompounds, TilePixels,
                         testing::EveryPictureAtRatios(design::kMasterPieces),
                         testing::CaseName("Compound"));

}  // namespace
}  // namespace alkynes::content
