// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The design's colours and fonts as Qt gets them.
#include "content/Look.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "content/Fonts.h"

namespace alkynes::content {
namespace {

TEST(Look, ColoursAreRedGreenBlueFromTheHighByte) {
    EXPECT_EQ(ToColor(0x123456), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ToColor(0xFFFFC0), QColor(255, 255, 192));
    EXPECT_EQ(ToColor(0x000000).alpha(), 255);
}

TEST(Look, FontsAreSetInPixelsOfTheirPoints) {
    const QFont badge = ToFont(design::kGrade.font);  // 24 points: 480 twips
    EXPECT_EQ(badge.pixelSize(), 32);
    EXPECT_TRUE(badge.bold());
    EXPECT_EQ(QFontInfo(badge).family(), DialogFamily());
    const QFont label = ToFont(design::kLabelFont);  // 9.75 points: 195 twips
    EXPECT_EQ(label.pixelSize(), 13);
    EXPECT_FALSE(label.bold());
}

}  // namespace
}  // namespace alkynes::content
