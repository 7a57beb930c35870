// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board state of the exercise: which piece lies in which slot, the
// answer key, the palette order and the drag index.  Which slots and boxes
// belong to which reaction is the exercise's structure (model/Structure.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/AnswerKey.h"
#include "model/Design.h"
#include "model/Structure.h"

namespace alkynes {

class FormModel;

inline constexpr int kCompounds = design::kMasterPieces;
inline constexpr std::int16_t kEmpty = -1;

struct SlotEntry {
    std::int16_t Points = 0;    // marks for a correct compound in the slot
    std::int16_t Expected = 0;  // the compound that belongs in the slot
    std::int16_t Piece = 0;     // the piece in the slot, or kEmpty
};

struct Board {
    std::array<SlotEntry, kSlots> Slots{};
    std::array<std::int16_t, kCompounds> PaletteOrder{};  // cell of each compound
    std::int16_t DragIndex = 0;                           // piece of the last drag
};

// The compound of piece p (p is never negative).
constexpr std::int16_t CompoundOf(int p) {
    return static_cast<std::int16_t>(p % kCompounds);
}

// True when every slot of reaction r holds a piece.
bool ReactionFilled(const Board& board, int r);

// The method label of reaction r, from the answer key: one label for each
// method, the last one shared by the reactions of the same method.
constexpr std::int16_t MethodLabelOf(int r) {
    return kAnswerKey.at(static_cast<std::size_t>(r)).methodLabel;
}

// Shows every coefficient box of reaction r; the texts are not touched.
void ShowCoefficients(FormModel& form, std::int16_t r);

// Empties, then hides, every coefficient box of reaction r.
void HideCoefficients(FormModel& form, std::int16_t r);

}  // namespace alkynes
