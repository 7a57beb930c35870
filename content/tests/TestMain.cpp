// The content tests need a QGuiApplication (fonts, pixmaps).  They run on
// the offscreen platform unless told otherwise, also when the test runner
// lists the tests at build time.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "content/Fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    alkynes::content::InstallFontSubstitutions();
    return RUN_ALL_TESTS();
}
