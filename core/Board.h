// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board state of the exercise: which piece lies in which slot, the
// answer key, the palette order and the drag index, with the fixed tables
// that tie reactions, slots and coefficient boxes together.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/AnswerKey.h"

namespace alkynes {

class FormModel;

inline constexpr int kSlots = 13;
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

// The slots of reaction r, left to right: 2r, 2r+1 for reactions 0 and 1,
// 3r-2, 3r-1, 3r for reactions 2 to 4.
std::span<const std::int16_t> SlotsOfReaction(int r);

// The reaction of slot s.
std::int16_t ReactionOfSlot(int s);

// True when every slot of reaction r holds a piece.
bool ReactionFilled(const Board& board, int r);

// The coefficient boxes of reaction r, left to right.
std::span<const std::int16_t> ReactionBoxes(int r);

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
