// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text a screen reader gives about the board, in Greek: the names of
// its objects and the short sentences that tell what just happened.
//
// Names say what the student sees and never which compound belongs where:
// a slot says its reaction, its place and what it holds, whether right or
// wrong.  A check says what a sighted student sees change: the grade, how
// many compounds went back to the palette, whose coefficients were
// emptied, which method texts appeared.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/Check.h"
#include "model/Design.h"
#include "speech/Vocabulary.h"

namespace alkynes::speech {

// What each slot holds: a compound, or kEmpty.
using SlotCompounds = std::array<std::int16_t, kSlots>;

// --- The objects ---------------------------------------------------------

// Slot s: its reaction and place, counted from 1, and what it holds.
std::string SlotName(const Vocabulary& words, int slot, std::int16_t compound);
// Reaction r's equation, its blanks read with what they hold now.
std::string EquationName(const Vocabulary& words, int r, const SlotCompounds& held);
std::string ReactionDescription(int r);
// Coefficient box j: whose coefficient it takes, and the term it stands
// before ("Μπροστά από: θέση 1", "Μπροστά από: H 2 O").
std::string BoxName(int box);
std::string BoxDescription(const Vocabulary& words, int box);

inline constexpr char kBadgeDescription[] = "Βαθμός";
inline constexpr char kRemoveActionName[] = "Αφαίρεση";

// How the board is played from the keyboard: said once, when the board
// first has the focus, not with every stop.
inline constexpr char kKeysHint[] =
    "Με Tab ή τα βέλη πηγαίνετε σε μια ένωση ή σε μια θέση. Διάστημα ή Enter: παίρνετε την "
    "ένωση και την αφήνετε στη θέση. Escape: την επιστρέφετε στην παλέτα. Delete: βγάζετε "
    "την ένωση από τη θέση της. F6: πηγαίνετε στους συντελεστές μιας αντίδρασης και πίσω";
// The key to the boxes, asked for while no box shows.
inline constexpr char kNoBoxesYet[] =
    "Δεν υπάρχουν ακόμη συντελεστές: εμφανίζονται όταν γεμίσουν όλες οι θέσεις μιας αντίδρασης";

// --- What happened -------------------------------------------------------

// A compound taken up, carried to a slot.
std::string CarriedSentence(const Vocabulary& words, std::int16_t compound);
// A compound back in the palette: a carry given up, a removal, a
// replacement, a check.
std::string ReturnedSentence(const Vocabulary& words, std::int16_t compound);
// Reaction r's coefficient boxes appeared (its slots were all filled), with
// the key that goes to them, or went away.
std::string BoxesSentence(int r, bool shown);
// The grade and what the check changed on the board; `methodTexts` are the
// method texts as the board shows them.
std::string CheckSentence(const CheckOutcome& outcome,
                          const std::array<std::string, design::kMethodLabels>& methodTexts);
std::string RestartSentence();

// Sentences said as one, in order.
std::string Joined(const std::vector<std::string>& sentences);

}  // namespace alkynes::speech
