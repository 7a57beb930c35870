// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The formulas of the compounds and their typesetting.
#include <gtest/gtest.h>

#include <array>

#include "content/Formula.h"
#include "content/Layout.h"

namespace alkynes::content {
namespace {

TEST(Formulas, CompoundTilesShowTheExercisesFormulas) {
    const std::array<const char*, 9> drawn = {
        "H₂O", "ClCH₂CH₂Cl", "CaC₂", "CH₃CH₂CCl₂CH₃", "CH₃CH₂CHCl₂", "CH₄", "Ca(OH)₂", "H₂", "NaCl",
    };
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(ToUnicode(CompoundFormula(k)), QString::fromUtf8(drawn[k])) << "compound " << k;
    }
}

TEST(Formulas, AtomCountsAreSubscriptsAndBondsAreStrokes) {
    EXPECT_EQ(ParseFormula(u"Ca(OH)2").runs,
              (std::vector<content::Run>{{RunKind::Normal, "Ca(OH)"}, {RunKind::Subscript, "2"}}));
    EXPECT_EQ(ParseFormula(u"CH3C≡CCH3").runs,
              (std::vector<content::Run>{{RunKind::Normal, "CH"},
                                         {RunKind::Subscript, "3"},
                                         {RunKind::Normal, "C"},
                                         {RunKind::TripleBond, ""},
                                         {RunKind::Normal, "CCH"},
                                         {RunKind::Subscript, "3"}}));
    // Several digits after an element are one count; digits that follow
    // no element are plain.
    EXPECT_EQ(ParseFormula(u"C12H22").runs,
              (std::vector<content::Run>{{RunKind::Normal, "C"},
                                         {RunKind::Subscript, "12"},
                                         {RunKind::Normal, "H"},
                                         {RunKind::Subscript, "22"}}));
    EXPECT_EQ(ParseFormula(u"2 H2").runs,
              (std::vector<content::Run>{{RunKind::Normal, "2 H"}, {RunKind::Subscript, "2"}}));
    EXPECT_TRUE(ParseFormula(u"").IsEmpty());
}

// Ink of a shape between two pen positions, in em.
QRectF InkBetween(const FormulaShape& shape, qreal from, qreal to) {
    QPainterPath window;
    window.addRect(QRectF(from, -2, to - from, 4));
    return shape.path.intersected(window).boundingRect();
}

TEST(Formulas, SubscriptsAreHalfHeightAndLowered) {
    const FormulaShape h2 = ShapeFormula(ParseFormula(u"H2"));
    const FormulaShape h = ShapeFormula(ParseFormula(u"H"));
    const QRectF letter = h.path.boundingRect();
    const QRectF digit = InkBetween(h2, h.advance, h2.advance);
    ASSERT_FALSE(digit.isEmpty());
    EXPECT_NEAR(digit.height() / letter.height(), 0.5, 0.06) << "half the height";
    EXPECT_GT(digit.bottom(), letter.bottom() + 0.1) << "its foot below the baseline";
    EXPECT_LT(digit.top(), letter.bottom()) << "still beside the letter";
    EXPECT_LT(h2.advance - h.advance, 0.6 * h.advance) << "narrower than a letter";
}

TEST(Formulas, TripleBondIsThreeParallelStrokesBetweenTheCarbons) {
    const FormulaShape cc = ShapeFormula(ParseFormula(u"CC"));
    const FormulaShape bonded = ShapeFormula(ParseFormula(u"C≡C"));
    const FormulaShape c = ShapeFormula(ParseFormula(u"C"));
    const qreal bondLength = bonded.advance - cc.advance;
    ASSERT_GT(bondLength, 0.3);
    // Scan a vertical line through the middle of the bond.
    const qreal x = c.advance + bondLength / 2;
    int strokes = 0;
    bool inside = false;
    qreal top = 0, bottom = 0;
    for (qreal y = -1.0; y <= 0.3; y += 0.005) {
        const bool now = bonded.path.contains(QPointF(x, y));
        if (now && !inside) {
            ++strokes;
            if (strokes == 1)
                top = y;
        }
        if (now)
            bottom = y;
        inside = now;
    }
    EXPECT_EQ(strokes, 3);
    // The strokes lie around the middle of the capitals, inside their height.
    EXPECT_GT(top, -bonded.capHeight);
    EXPECT_LT(bottom, 0);
    // and leave a little space on both sides of them.
    EXPECT_FALSE(bonded.path.contains(QPointF(c.advance + 0.01, -bonded.capHeight / 2)));
}

TEST(Formulas, ShapesScaleWithTheirSize) {
    // Shapes are in em: the same formula at any size has the same
    // proportions, so its placement never depends on a font's hinting at
    // one pixel size.
    const FormulaShape shape = ShapeFormula(ParseFormula(u"NaOH"));
    EXPECT_NEAR(shape.advance, 2.778, 0.02);  // Arial's widths
    EXPECT_GT(shape.capHeight, 0.65);
    EXPECT_LT(shape.capHeight, 0.75);
    const qreal baseline = BaselineFor(shape, 10.0, 2.0);
    EXPECT_NEAR(baseline - 2.0 * shape.capHeight / 2, 10.0, 0.2) << "capitals centred";
}

}  // namespace
}  // namespace alkynes::content
