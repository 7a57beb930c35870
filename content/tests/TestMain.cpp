// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The content tests need a QGuiApplication (fonts, pixmaps).  They run on
// the offscreen platform unless told otherwise, also when the test runner
// lists the tests at build time.
#include <gtest/gtest.h>

#include "content/DrawingApplication.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const alkynes::content::DrawingApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
