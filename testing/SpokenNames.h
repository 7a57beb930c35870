// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How speech should read each tile and each equation, written out by hand:
// the expectations of the spoken-text tests and of the screen-reader tree.
#pragma once

namespace alkynes::testing {

// Compound k's tile.
inline const char* const kSpokenTile[] = {
    "H 2 O",
    "Cl C H 2 C H 2 Cl",
    "Ca C 2",
    "C H 3 C H 2 C Cl 2 C H 3",
    "C H 3 C H 2 C H Cl 2",
    "C H 4",
    "Ca (O H) 2",
    "H 2",
    "Na Cl",
};

// Reaction r's equation, with its blanks and the words at its arrow.
inline const char* const kSpokenEquation[] = {
    "κενό → (1200 °C ατμός) C H ≡ C H + κενό",
    "κενό + H 2 O → C H ≡ C H + κενό",
    "κενό + Na O H → (αλκοολικό διάλυμα) C H ≡ C H + κενό + κενό",
    "κενό + Na O H → (αλκοολικό διάλυμα) C H 3 C ≡ C H + κενό + κενό",
    "κενό + Na O H → (αλκοολικό διάλυμα) C H 3 C ≡ C C H 3 + κενό + κενό",
};

}  // namespace alkynes::testing
