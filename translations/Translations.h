// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Greek of the texts Qt's own widgets show (the context menus of the
// coefficient boxes, of the about window's notice, of its scroll bar).
#pragma once

class QCoreApplication;

namespace alkynes::translations {

// Installs the program's Greek catalogue of Qt's texts into app, for the
// life of app.  Call it once, right after the application object exists and
// before any widget is made.  Returns false, leaving Qt's English, should the
// embedded catalogue fail to load.
bool Install(QCoreApplication& app);

}  // namespace alkynes::translations
