// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/Look.h"

#include <QString>

#include "content/Twips.h"

namespace alkynes::content {

QFont ToFont(const design::FontDesign& font) {
    QFont qfont(QString::fromLatin1(font.face));
    qfont.setPixelSize(twips::FontPixelSize(font.points));
    qfont.setBold(font.bold);
    return qfont;
}

}  // namespace alkynes::content
