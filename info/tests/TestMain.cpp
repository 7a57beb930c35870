// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The tests of the information commands run headless: the offscreen
// platform is chosen before the QApplication exists, so that listing the
// tests (gtest discovery) works without a display as well.  Qt's own texts
// are in Greek, as the program installs them.
#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include "content/Pictures.h"
#include "translations/Translations.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication app(argc, argv);
    alkynes::translations::Install(app);
    alkynes::content::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
