// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up measurement: the least a Qt Widgets program
// of the exercise's window size with a seven-item menu bar does.  With
// ALKYNES_QUIT_AFTER_FIRST_FRAME set it quits once its first frame is
// painted, through the exercise's own hook.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "app/QuitAfterFirstFrame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->setNativeMenuBar(false);
    for (const char* item :
         {"Βοήθεια", "Έλεγχος", "Απ' την αρχή", "Φύλλο εργασίας", "|", "Περί...", "Έξοδος"}) {
        window.menuBar()->addAction(QString::fromUtf8(item));
    }
    auto* client = new QWidget;
    client->setFixedSize(1016, 665);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    window.setWindowTitle(QStringLiteral("minimal"));
    alkynes::QuitAfterFirstFrameIfAsked(client);
    window.show();
    return QApplication::exec();
}
