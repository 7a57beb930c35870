// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alkynes_render_icons <dir> <name> [--ico <file>]
//
// Renders the program's window icon (the same drawing the windows show) as
// PNG files of the hicolor icon theme, <dir>/<n>x<n>/apps/<name>.png for
// n = 16, 32, 48, 64, 128 and 256, and optionally as a 32 × 32 Windows icon
// for the executable.  Runs at build time without a display.
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "content/Pictures.h"

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

bool Save(const QImage& image, const QString& path, const char* format) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, format)) {
        std::fprintf(stderr, "alkynes_render_icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3 && !(args.size() == 5 && args.at(3) == QLatin1String("--ico"))) {
        std::fprintf(stderr, "usage: alkynes_render_icons <dir> <name> [--ico <file>]\n");
        return 2;
    }
    const QString dir = args.at(1);
    const QString name = args.at(2);

    for (const int size : kSizes) {
        const QImage image = alkynes::content::WindowIconPixmap(size).toImage();
        if (image.size() != QSize(size, size)) {
            std::fprintf(stderr, "alkynes_render_icons: the %d px icon came out %d x %d\n", size,
                         image.width(), image.height());
            return 1;
        }
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(dir).arg(size).arg(name);
        if (!Save(image, path, "PNG")) {
            return 1;
        }
    }
    if (args.size() == 5 &&
        !Save(alkynes::content::WindowIconPixmap(32).toImage(), args.at(4), "ICO")) {
        return 1;
    }
    return 0;
}
