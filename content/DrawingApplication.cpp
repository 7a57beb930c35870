// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/DrawingApplication.h"

#include "content/Fonts.h"

namespace alkynes::content {

DrawingApplication::DrawingApplication(int& argc, char** argv)
    : QGuiApplication(OffscreenUnlessChosen(argc), argv) {
    InstallFontSubstitutions();
}

int& DrawingApplication::OffscreenUnlessChosen(int& argc) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return argc;
}

}  // namespace alkynes::content
