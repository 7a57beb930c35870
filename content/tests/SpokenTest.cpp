// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures' texts as speech reads them: symbol by symbol, from the same
// descriptions the pictures are drawn from.
#include <gtest/gtest.h>

#include "content/Layout.h"
#include "content/Spoken.h"
#include "testing/SpokenNames.h"

namespace alkynes::content {
namespace {

struct SpokenCase {
    const char16_t* notation;
    const char* spoken;
};

// Symbols, counts, brackets, bonds and the plain texts of the arrows.
constexpr SpokenCase kNotations[] = {
    {u"H2O", "H 2 O"},
    {u"Ca(OH)2", "Ca (O H) 2"},
    {u"CH3CH2CCl2CH3", "C H 3 C H 2 C Cl 2 C H 3"},
    {u"CH3C≡CCH3", "C H 3 C ≡ C C H 3"},
    {u"C12H22", "C 12 H 22"},            // a count of two digits stays one number
    {u"((CH3)2N)3", "((C H 3) 2 N) 3"},  // nested brackets hug their symbols
    {u"1200 ^oC", "1200 °C"},            // a raised o is the degree sign
    {u"ατμός", "ατμός"},
    {u"+", "+"},
    {u"", ""},
};

TEST(Spoken, FormulasAreReadSymbolBySymbol) {
    for (const SpokenCase& c : kNotations) {
        EXPECT_EQ(SpokenFormula(ParseFormula(c.notation)), QString::fromUtf8(c.spoken))
            << QString::fromUtf16(c.notation).toStdString();
    }
}

TEST(Spoken, TilesAndEquationsAreReadFromTheirPictures) {
    using testing::kSpokenEquation;
    using testing::kSpokenTile;
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(SpokenPicture(LayoutOfCompound(k)), QString::fromUtf8(kSpokenTile[k])) << k;
    }
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(SpokenPicture(LayoutOfReaction(r)), QString::fromUtf8(kSpokenEquation[r])) << r;
    }
}

}  // namespace
}  // namespace alkynes::content
