// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the rendered pictures back: colour classes of pixels and a few
// scans over an image; and the cases of the pixel tests.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <string>
#include <tuple>

#include "content/Pictures.h"

namespace alkynes::content::testing {

inline bool IsGreen(QRgb p) {
    return qAlpha(p) > 200 && qGreen(p) > 220 && qRed(p) < 60 && qBlue(p) < 60;
}
inline bool IsYellow(QRgb p) {
    return qAlpha(p) > 200 && qRed(p) > 220 && qGreen(p) > 220 && qBlue(p) < 60;
}
// An outline, a dash, the arrow or a letter (at least about half covered).
inline bool IsDark(QRgb p) {
    return qAlpha(p) > 128 && qRed(p) < 160 && qGreen(p) < 160;
}
// The core of a letter: the text is pure black, the outlines are not.
inline bool IsBlack(QRgb p) {
    return qAlpha(p) > 200 && qRed(p) + qGreen(p) + qBlue(p) < 40;
}

// The picture as the window would get it from its cache, in device pixels.
inline QImage Render(PictureRef picture, QSize logical, qreal dpr) {
    PictureCache cache;
    return cache.Pixmap(picture, logical, dpr)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

template <class Pred>
int Count(const QImage& image, QRect area, Pred pred) {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += pred(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

// The cases of a pixel test: every picture of one kind (its index, from
// 0 to count − 1) at device pixel ratios 1 and 2.
using PictureAtRatio = std::tuple<int, int>;

inline auto EveryPictureAtRatios(int count) {
    return ::testing::Combine(::testing::Range(0, count), ::testing::Values(1, 2));
}

// Names the cases after the picture and the ratio: "Reaction3At2x".
inline auto CaseName(const char* kind) {
    return [kind](const ::testing::TestParamInfo<PictureAtRatio>& info) {
        return kind + std::to_string(std::get<0>(info.param)) + "At" +
               std::to_string(std::get<1>(info.param)) + "x";
    };
}

}  // namespace alkynes::content::testing
