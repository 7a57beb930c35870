// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures' texts as a screen reader should speak them.
//
// A formula is read out as the student sees it, symbol by symbol: every
// element symbol, atom count and bond stands apart ("Ca C 2", "Ca (O H) 2",
// "C H ≡ C H"), so that speech does not run the letters together into a
// word.  An equation is read from its picture's own elements, left to
// right, with "κενό" for each blank and the words over and under its arrow
// after the arrow.  Both come from the same descriptions the pictures are
// drawn from, so what is heard is what is shown.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "content/Formula.h"
#include "content/Layout.h"

namespace alkynes::content {

// What a blank of an equation is called when the equation is read out.
inline constexpr char16_t kSpokenBlank[] = u"κενό";

QString SpokenFormula(const Formula& formula);

// One part of a picture as it is read, left to right: a text (a formula, a
// "+", the arrow, the words at the arrow in brackets), a blank, or a
// coefficient place.
struct SpokenPart {
    enum class Kind : std::uint8_t { Text, Blank, CoefficientPlace };
    Kind kind = Kind::Text;
    QString text;    // a text's words
    int index = -1;  // a blank's slot, a coefficient place's order in the reaction
};
std::vector<SpokenPart> SpokenParts(const PictureContent& picture);

// The equation of a reaction picture (or the formula of a compound tile):
// its texts and blanks in reading order, the coefficient places left out,
// since the boxes over them speak for themselves.
QString SpokenPicture(const PictureContent& picture);

}  // namespace alkynes::content
