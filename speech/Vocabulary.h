// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The words speech reads the pictures with, as plain text.
//
// How a formula or an equation is spelled out ("Ca C 2", "κενό + H 2 O →
// C H ≡ C H + κενό") is known only from the pictures' own descriptions,
// which the toolkit layer draws; it reads the spelling from them once and
// hands it over in this form, so that every sentence about the board is
// decided here, without the toolkit.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Board.h"
#include "model/Design.h"

namespace alkynes::speech {

// One term of an equation, left to right: a printed text (a formula, a
// "+", the arrow, the words at the arrow), a blank by its slot, or a
// coefficient place by its order in the reaction (from 0).  A coefficient
// place is not read with the equation: the box over it speaks for itself.
struct Term {
    enum class Kind : std::uint8_t { Text, Blank, Coefficient };
    Kind kind = Kind::Text;
    std::string text;        // a text's words, UTF-8
    std::int16_t index = 0;  // a blank's slot, a coefficient place's order
};

struct Vocabulary {
    // Compound k's formula, as its tile reads.
    std::array<std::string, kCompounds> formulas;
    // Reaction r's equation.
    std::array<std::vector<Term>, design::kReactions> equations;
};

}  // namespace alkynes::speech
