// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Structure.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

#include "model/Design.h"

namespace alkynes {
namespace {

static_assert(CoefficientSlot(0) == 0 && CoefficientSlot(21) == 12,
              "the table is usable at compile time");

TEST(CoefficientSlot, EveryBoxFillsASlotOfItsOwnReaction) {
    std::array<int, design::kBoxes> seen{};
    for (int r = 0; r < design::kReactions; ++r) {
        for (std::int16_t j : ReactionBoxes(r)) {
            ++seen.at(static_cast<std::size_t>(j));
            const std::int16_t s = CoefficientSlot(j);
            ASSERT_GE(s, 0) << "box " << j;
            ASSERT_LT(s, kSlots) << "box " << j;
            EXPECT_EQ(ReactionOfSlot(s), r) << "box " << j;
        }
    }
    for (int j = 0; j < design::kBoxes; ++j) {
        EXPECT_EQ(seen[static_cast<std::size_t>(j)], 1) << "box " << j;
    }
}

TEST(CoefficientSlot, EverySlotHasABox) {
    std::array<int, kSlots> boxes{};
    for (int j = 0; j < design::kBoxes; ++j) {
        ++boxes.at(static_cast<std::size_t>(CoefficientSlot(j)));
    }
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_GE(boxes[static_cast<std::size_t>(s)], 1) << "slot " << s;
    }
}

TEST(CoefficientSlot, SlotsRunLeftToRightLikeTheBoxes) {
    for (int r = 0; r < design::kReactions; ++r) {
        const auto boxes = ReactionBoxes(r);
        const auto slots = SlotsOfReaction(r);
        EXPECT_EQ(CoefficientSlot(boxes.front()), slots.front()) << "reaction " << r;
        EXPECT_EQ(CoefficientSlot(boxes.back()), slots.back()) << "reaction " << r;
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            EXPECT_LE(CoefficientSlot(boxes[i - 1]), CoefficientSlot(boxes[i]))
                << "reaction " << r << ", boxes " << boxes[i - 1] << " and " << boxes[i];
        }
    }
}

TEST(CoefficientSlot, BoxesInFrontOfPrintedFormulasBelongToTheirNeighbours) {
    EXPECT_EQ(CoefficientSlot(2), 1);
    EXPECT_EQ(CoefficientSlot(8), 4);
    EXPECT_EQ(CoefficientSlot(9), 5);
}

TEST(CoefficientSlot, RejectsABoxOutsideTheArray) {
    EXPECT_THROW(CoefficientSlot(-1), std::out_of_range);
    EXPECT_THROW(CoefficientSlot(design::kBoxes), std::out_of_range);
}

}  // namespace
}  // namespace alkynes
