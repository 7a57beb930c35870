// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main of the window tests: one QApplication on the offscreen platform,
// at the scale factor the executable was built for.  A platform given on the
// command line (-platform xcb) overrides it; a filter that selects no test
// fails, so that a run of chosen cases cannot pass by running none.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", ALKYNES_TEST_SCALE);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS() != 0 || ::testing::UnitTest::GetInstance()->test_to_run_count() == 0;
}
