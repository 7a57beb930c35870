// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the help box and/or the about window over a plain stand-in for the
// main window, on whatever display the environment names, and quits when
// they are closed.  For looking the windows over by eye.
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QTimer>

#include <cstring>

#include "info/Commands.h"
#include "content/Pictures.h"
#include "model/Design.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    alkynes::content::InstallFontSubstitutions();
    const char* what = argc > 1 ? argv[1] : "about";

    const QString title = QString::fromUtf8(alkynes::design::kCaption);
    QLabel main(title + QStringLiteral(" (stand-in)"));
    main.setWindowTitle(title);
    main.setWindowIcon(alkynes::content::WindowIcon());
    main.setAlignment(Qt::AlignCenter);
    QPalette white = main.palette();
    white.setColor(QPalette::Window, Qt::white);
    main.setPalette(white);
    main.setAutoFillBackground(true);
    main.resize(1016, 665);
    main.move(20, 20);
    main.show();

    QTimer::singleShot(300, &main, [&] {
        if (std::strcmp(what, "about") != 0) {
            alkynes::info::mnuHelp_Click(&main);
        }
        if (std::strcmp(what, "help") != 0) {
            alkynes::info::mnuAbout_Click(&main);
        }
        QApplication::quit();
    });
    return QApplication::exec();
}
