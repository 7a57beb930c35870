// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The application object of the programs that only draw the pictures: the
// build's prerendering, the contact sheet, the content tests and the
// content benchmarks.  They need no screen, so they run on the offscreen
// platform unless QT_QPA_PLATFORM names another, and they draw with the
// window's faces (InstallFontSubstitutions), as the window does.
#pragma once

#include <QGuiApplication>

namespace alkynes::content {

class DrawingApplication : public QGuiApplication {
  public:
    // As QGuiApplication: both must outlive the application.
    DrawingApplication(int& argc, char** argv);

  private:
    // Chooses the platform, which must happen before QGuiApplication starts.
    static int& OffscreenUnlessChosen(int& argc);
};

}  // namespace alkynes::content
