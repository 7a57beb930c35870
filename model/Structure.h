// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The structure of the exercise: the five reactions with their blanks
// (slots) and coefficient boxes, and the rows of the palette.  These two
// tables are the one place the structure is written; every count and every
// map between reactions, slots and boxes below is worked out from them at
// compile time.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

namespace alkynes {

// The coefficient boxes of the equations, numbered from the top reaction
// down and left to right within each.  A box stands in front of one formula
// of its reaction's equation, and a piece dropped on it goes into that
// formula's slot; a box in front of a formula that the picture prints, not
// dropped by the student, belongs to the neighbouring slot.  Slots are
// counted within their reaction, left to right, and every slot has a box,
// so a reaction has as many slots as its boxes name.
struct BoxPlace {
    std::int8_t reaction;
    std::int8_t slot;  // within the reaction
};

// clang-format off
inline constexpr BoxPlace kBoxPlaces[] = {
    {0, 0}, {0, 1}, {0, 1},                  // pyrolysis of methane
    {1, 0}, {1, 0}, {1, 1}, {1, 1},          // hydrolysis of calcium carbide
    {2, 0}, {2, 0}, {2, 1}, {2, 1}, {2, 2},  // the three dehydrohalogenations
    {3, 0}, {3, 0}, {3, 1}, {3, 1}, {3, 2},
    {4, 0}, {4, 0}, {4, 1}, {4, 1}, {4, 2},
};
// clang-format on

// The palette's rows, top to bottom: how many cells each holds.  The cells
// are numbered along the rows, one cell for each compound.
inline constexpr int kPaletteRows[] = {5, 4};

namespace structure {

constexpr int CountReactions() {
    int reactions = 0;
    for (const BoxPlace& box : kBoxPlaces) {
        reactions = std::max(reactions, box.reaction + 1);
    }
    return reactions;
}

constexpr int CountSlots(int r) {
    int count = 0;
    for (const BoxPlace& box : kBoxPlaces) {
        if (box.reaction == r) {
            count = std::max(count, box.slot + 1);
        }
    }
    return count;
}

constexpr int CountBoxes(int r) {
    int boxes = 0;
    for (const BoxPlace& box : kBoxPlaces) {
        boxes += box.reaction == r ? 1 : 0;
    }
    return boxes;
}

}  // namespace structure

namespace design {
inline constexpr int kReactions = structure::CountReactions();
inline constexpr int kBoxes = static_cast<int>(std::size(kBoxPlaces));
}  // namespace design

namespace structure {

struct Counts {
    int slotCount = 0;
    int mostSlots = 0;
    int mostBoxes = 0;
};

constexpr Counts Count() {
    Counts counts;
    for (int r = 0; r < design::kReactions; ++r) {
        counts.slotCount += CountSlots(r);
        counts.mostSlots = std::max(counts.mostSlots, CountSlots(r));
        counts.mostBoxes = std::max(counts.mostBoxes, CountBoxes(r));
    }
    return counts;
}

}  // namespace structure

inline constexpr int kSlots = structure::Count().slotCount;
// The most slots and the most coefficient boxes of any reaction.
inline constexpr std::size_t kMostSlots = structure::Count().mostSlots;
inline constexpr std::size_t kMostBoxes = structure::Count().mostBoxes;
inline constexpr int kPaletteCells = kPaletteRows[0] + kPaletteRows[1];

namespace structure {

// The boxes are numbered reaction by reaction, and so are the slots.
static_assert(std::is_sorted(std::begin(kBoxPlaces), std::end(kBoxPlaces),
                             [](const BoxPlace& a, const BoxPlace& b) {
                                 return a.reaction < b.reaction ||
                                        (a.reaction == b.reaction && a.slot < b.slot);
                             }),
              "boxes run from the top reaction down and left to right");
static_assert(std::size(kPaletteRows) == 2, "the palette has an upper and a lower row");

// 0, 1, 2, ...: the numbers that SlotsOfReaction and ReactionBoxes take
// their runs from.
template <int N>
constexpr std::array<std::int16_t, N> Numbers() {
    std::array<std::int16_t, N> numbers{};
    for (int i = 0; i < N; ++i) {
        numbers[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
    }
    return numbers;
}
inline constexpr auto kSlotNumbers = Numbers<kSlots>();
inline constexpr auto kBoxNumbers = Numbers<design::kBoxes>();

constexpr int FirstSlot(int r) {
    int first = 0;
    for (int q = 0; q < r; ++q) {
        first += CountSlots(q);
    }
    return first;
}

constexpr int FirstBox(int r) {
    int first = 0;
    for (int q = 0; q < r; ++q) {
        first += CountBoxes(q);
    }
    return first;
}

constexpr std::array<std::int16_t, kSlots> SlotReactions() {
    std::array<std::int16_t, kSlots> reactions{};
    for (int r = 0; r < design::kReactions; ++r) {
        for (int i = 0; i < CountSlots(r); ++i) {
            reactions[static_cast<std::size_t>(FirstSlot(r) + i)] = static_cast<std::int16_t>(r);
        }
    }
    return reactions;
}
inline constexpr auto kSlotReactions = SlotReactions();

constexpr std::array<std::int16_t, design::kBoxes> BoxSlots() {
    std::array<std::int16_t, design::kBoxes> places{};
    for (std::size_t j = 0; j < places.size(); ++j) {
        places[j] = static_cast<std::int16_t>(FirstSlot(kBoxPlaces[j].reaction) + kBoxPlaces[j].slot);
    }
    return places;
}
inline constexpr auto kBoxSlots = BoxSlots();

}  // namespace structure

// The slots of reaction r, left to right.
constexpr std::span<const std::int16_t> SlotsOfReaction(int r) {
    return std::span<const std::int16_t>(structure::kSlotNumbers)
        .subspan(static_cast<std::size_t>(structure::FirstSlot(r)),
                 static_cast<std::size_t>(structure::CountSlots(r)));
}

// The reaction of slot s.
constexpr std::int16_t ReactionOfSlot(int s) {
    return structure::kSlotReactions[static_cast<std::size_t>(s)];
}

// The coefficient boxes of reaction r, left to right.
constexpr std::span<const std::int16_t> ReactionBoxes(int r) {
    return std::span<const std::int16_t>(structure::kBoxNumbers)
        .subspan(static_cast<std::size_t>(structure::FirstBox(r)),
                 static_cast<std::size_t>(structure::CountBoxes(r)));
}

// The slot that a drop on box j fills (j from 0 to kBoxes - 1; any other j
// throws std::out_of_range).
constexpr std::int16_t CoefficientSlot(int j) {
    return structure::kBoxSlots.at(static_cast<std::size_t>(j));
}

// The palette row of cell `cell`, and where a row begins.
constexpr int PaletteRowOf(int cell) {
    return cell < kPaletteRows[0] ? 0 : 1;
}
constexpr int FirstCellOfRow(int row) {
    return row == 0 ? 0 : kPaletteRows[0];
}

}  // namespace alkynes
