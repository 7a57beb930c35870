// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours and fonts of the window design (model/Design.h) as Qt's: the
// one place that turns them into Qt types, for the main window and the
// about window alike.
#pragma once

#include <QColor>
#include <QFont>

#include "model/Design.h"

namespace alkynes::content {

constexpr QColor ToColor(design::Rgb rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

// The designed font, set in pixels (twips::FontPixelSize) so that its texts
// keep their place in the layout at any logical dpi.  Its face resolves to
// the stand-in of InstallFontSubstitutions (Fonts.h) where it is missing.
QFont ToFont(const design::FontDesign& font);

}  // namespace alkynes::content
