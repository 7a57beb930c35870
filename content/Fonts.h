// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The typefaces of the program, chosen in one place.
//
// The window was designed for two faces: bold "Arial" for the formulas of
// the pictures and design::kTextFace for the labels, text boxes and the
// grade badge.  Where a face is missing (as on most Linux systems) a face
// with the same metrics and with Greek letters stands in for it, so that
// texts keep the widths the layout was made for.
#pragma once

#include <QFont>
#include <QString>

namespace alkynes::content {

// The family that draws the formulas: "Arial" where installed, otherwise a
// metric-compatible face with Greek glyphs (Liberation Sans, Arimo).
QString FormulaFamily();

// The family that stands in for design::kTextFace, the windows' text face.
QString DialogFamily();

// Bold formula face, unhinted so that its proportions do not depend on the
// size it is drawn at.  The caller sets the pixel size.
QFont FormulaFont();

// Makes design::kTextFace (and "Arial", where it is missing) resolve to the
// families above in every QFont of the program.  Call once after the
// QGuiApplication exists; calling it again changes nothing.
void InstallFontSubstitutions();

// Which build of a face draws `font` here: its family, style and the
// version its font file gives, such as "Liberation Sans Bold, Version
// 1.07.4".  Texts drawn with another build may differ in their pixels.
QString FaceBuild(const QFont& font);

}  // namespace alkynes::content
