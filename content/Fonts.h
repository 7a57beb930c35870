// The typefaces of the program, chosen in one place.
//
// The window was designed for two faces: bold "Arial" for the formulas of
// the pictures and "MS Sans Serif" for the labels, text boxes and the grade
// badge.  Where a face is missing (as on most Linux systems) a face with
// the same metrics and with Greek letters stands in for it, so that texts
// keep the widths the layout was made for.
#pragma once

#include <QFont>
#include <QString>

namespace alkynes::content {

// The family that draws the formulas: "Arial" where installed, otherwise a
// metric-compatible face with Greek glyphs (Liberation Sans, Arimo).
QString FormulaFamily();

// The family that stands in for "MS Sans Serif", the window's text face.
QString DialogFamily();

// Bold formula face, unhinted so that its proportions do not depend on the
// size it is drawn at.  The caller sets the pixel size.
QFont FormulaFont();

// Makes "MS Sans Serif" (and "Arial", where it is missing) resolve to the
// families above in every QFont of the program.  Call once after the
// QGuiApplication exists; calling it again changes nothing.
void InstallFontSubstitutions();

}  // namespace alkynes::content
