// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Board.h"

#include "model/FormModel.h"

namespace alkynes {
namespace {

constexpr std::int16_t kReactionSlots[5][3] = {
    {0, 1, 0}, {2, 3, 0}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}};
constexpr std::size_t kSlotCount[5] = {2, 2, 3, 3, 3};

constexpr std::int16_t kSlotReaction[kSlots] = {0, 0, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4};

constexpr std::int16_t kBoxes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                   11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
constexpr std::size_t kFirstBox[5] = {0, 3, 7, 12, 17};
constexpr std::size_t kBoxCount[5] = {3, 4, 5, 5, 5};

}  // namespace

std::span<const std::int16_t> SlotsOfReaction(int r) {
    const auto i = static_cast<std::size_t>(r);
    return {kReactionSlots[i], kSlotCount[i]};
}

std::int16_t ReactionOfSlot(int s) {
    return kSlotReaction[s];
}

bool ReactionFilled(const Board& board, int r) {
    for (std::int16_t s : SlotsOfReaction(r)) {
        if (board.Slots[static_cast<std::size_t>(s)].Piece == kEmpty) {
            return false;
        }
    }
    return true;
}

std::span<const std::int16_t> ReactionBoxes(int r) {
    const auto i = static_cast<std::size_t>(r);
    return std::span<const std::int16_t>(kBoxes).subspan(kFirstBox[i], kBoxCount[i]);
}

void ShowCoefficients(FormModel& form, std::int16_t r) {
    for (std::int16_t j : ReactionBoxes(r)) {
        form.tCoefficient(j).Visible = true;
    }
}

void HideCoefficients(FormModel& form, std::int16_t r) {
    for (std::int16_t j : ReactionBoxes(r)) {
        Control& box = form.tCoefficient(j);
        box.Text.clear();
        box.Visible = false;
    }
}

}  // namespace alkynes
