// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Chemical formulas and the short texts of the reaction pictures.
//
// A formula is a row of runs: plain text, atom-count subscripts, raised
// small superscripts and the triple bond, which is drawn as three strokes
// rather than taken from a font.  The typesetting of those runs (sizes,
// lowering, raising, the strokes of the bond) lives only in this file's
// implementation and serves the compound tiles and the equations alike.
#pragma once

#include <QPainterPath>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace alkynes::content {

enum class RunKind : std::uint8_t {
    Normal,       // plain text at the formula's size
    Subscript,    // an atom count: half the size, lowered below the baseline
    Superscript,  // a small raised letter, as the "o" of a degree sign
    TripleBond,   // three short parallel horizontal strokes
};

struct Run {
    RunKind kind = RunKind::Normal;
    QString text;  // empty for a triple bond

    friend bool operator==(const Run&, const Run&) = default;
};

struct Formula {
    std::vector<Run> runs;

    bool IsEmpty() const { return runs.empty(); }
    friend bool operator==(const Formula&, const Formula&) = default;
};

// Reads the compact notation the pictures are written in:
//  * a digit right after a letter, a ")" or another atom count is an atom
//    count ("CH3", "Ca(OH)2"); other digits are plain ("1200");
//  * "≡" is a triple bond;
//  * "^" makes the next character a superscript ("1200 ^oC").
Formula ParseFormula(QStringView notation);

// The formula as one line of Unicode text: atom counts as subscript digits
// (₀..₉), the triple bond as "≡" and a superscript as its character after a
// "^".  For reading the pictures' texts, not for drawing them.
QString ToUnicode(const Formula& formula);

// The outline of a typeset formula, in units of its font size (em = 1): the
// pen starts at x = 0 on the baseline y = 0, y grows downwards.
struct FormulaShape {
    QPainterPath path;
    qreal advance = 0;    // the width the formula takes on its line
    qreal capHeight = 0;  // height of the capitals above the baseline
};

FormulaShape ShapeFormula(const Formula& formula);

// Where to put the baseline of a formula of size `em` so that it sits
// centred on the horizontal line y = `centre`: the capitals are centred,
// nudged up a little to balance the atom counts hanging below them.  Every
// text of every picture is placed by this rule, so formulas of one line
// share one baseline.
qreal BaselineFor(const FormulaShape& shape, qreal centre, qreal em);

}  // namespace alkynes::content
