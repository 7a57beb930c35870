// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Check.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "core/AnswerKey.h"
#include "core/Palette.h"
#include "model/Design.h"
#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {
namespace {

SlotEntry& Slot(Board& board, int s) {
    return board.Slots[static_cast<std::size_t>(s)];
}

void SendBack(Board& board, FormModel& form, int s) {
    PlaceInPalette(board, form, Slot(board, s).Piece);
    Slot(board, s).Piece = kEmpty;
}

void AddTo(std::int16_t& score, std::int16_t marks) {
    score = static_cast<std::int16_t>(score + marks);
}

// The slots of reaction r that take only their own compound.
std::span<const std::int16_t> FixedSlots(int r) {
    const std::span<const std::int16_t> slots = SlotsOfReaction(r);
    const bool paired = kAnswerKey[static_cast<std::size_t>(r)].pairedLastTwo;
    return slots.first(slots.size() - (paired ? 2 : 0));
}

// The two slots of reaction r whose compounds may change places, or none.
std::span<const std::int16_t> PairedSlots(int r) {
    return SlotsOfReaction(r).subspan(FixedSlots(r).size());
}

// A fixed slot keeps only its own compound, which earns its points.
void GradeFixedSlots(Board& board, FormModel& form, int r, std::int16_t& score) {
    for (std::int16_t s : FixedSlots(r)) {
        const SlotEntry& slot = Slot(board, s);
        if (slot.Piece == kEmpty) {
            continue;
        }
        if (CompoundOf(slot.Piece) == slot.Expected) {
            AddTo(score, slot.Points);
        } else {
            SendBack(board, form, s);
        }
    }
}

// A pair may not hold one compound twice: the right one of a double goes.
void SendBackDouble(Board& board, FormModel& form, int r) {
    const std::span<const std::int16_t> pair = PairedSlots(r);
    if (pair.empty()) {
        return;
    }
    const std::int16_t a = Slot(board, pair[0]).Piece;
    const std::int16_t b = Slot(board, pair[1]).Piece;
    if (a != kEmpty && b != kEmpty && CompoundOf(a) == CompoundOf(b)) {
        SendBack(board, form, pair[1]);
    }
}

// A pair takes its two compounds in either order: a compound that is
// neither of them goes, and what stays earns its points.
void GradePair(Board& board, FormModel& form, int r, std::int16_t& score) {
    const std::span<const std::int16_t> pair = PairedSlots(r);
    for (std::int16_t s : pair) {
        const std::int16_t piece = Slot(board, s).Piece;
        if (piece != kEmpty && CompoundOf(piece) != Slot(board, pair[0]).Expected &&
            CompoundOf(piece) != Slot(board, pair[1]).Expected) {
            SendBack(board, form, s);
        }
    }
    for (std::int16_t s : pair) {
        if (Slot(board, s).Piece != kEmpty) {
            AddTo(score, Slot(board, s).Points);
        }
    }
}

// What the board holds before the check changes it.
CheckOutcome Before(const Board& board, const FormModel& form) {
    CheckOutcome outcome;
    for (int s = 0; s < kSlots; ++s) {
        const std::int16_t piece = board.Slots[static_cast<std::size_t>(s)].Piece;
        outcome.placed[static_cast<std::size_t>(s)] = piece == kEmpty ? kEmpty : CompoundOf(piece);
    }
    for (int j = 0; j < design::kBoxes; ++j) {
        const Control& box = form.tCoefficient(j);
        outcome.shown[static_cast<std::size_t>(j)] = box.Visible;
        outcome.typed[static_cast<std::size_t>(j)] = box.Visible ? box.Text : std::string();
    }
    for (int m = 0; m < design::kMethodLabels; ++m) {
        outcome.revealedBefore[static_cast<std::size_t>(m)] = form.Label1(m).Visible;
    }
    return outcome;
}

}  // namespace

CheckOutcome CheckAndGrade(Board& board, FormModel& form, const CoefficientJudge& judge) {
    CheckOutcome outcome = Before(board, form);
    std::int16_t score = 0;

    // Every wrong piece goes back before any coefficient is looked at:
    // first those of the fixed slots, then the second of each double, then
    // the strangers in the pairs.
    for (int r = 0; r < design::kReactions; ++r) {
        GradeFixedSlots(board, form, r, score);
    }
    for (int r = 0; r < design::kReactions; ++r) {
        SendBackDouble(board, form, r);
    }
    for (int r = 0; r < design::kReactions; ++r) {
        GradePair(board, form, r, score);
    }

    // So a filled reaction now holds only right compounds, and only such a
    // reaction earns its coefficient marks.  A method text shows exactly
    // while every reaction of its method earns them.
    std::array<bool, design::kMethodLabels> revealed{};
    revealed.fill(true);
    for (std::int16_t r = 0; r < design::kReactions; ++r) {
        const ReactionKey& key = kAnswerKey[static_cast<std::size_t>(r)];
        const auto i = static_cast<std::size_t>(r);
        bool right = false;
        outcome.filled[i] = ReactionFilled(board, r);
        if (!outcome.filled[i]) {
            HideCoefficients(form, r);
        } else if (judge(r)) {
            right = true;
            AddTo(score, key.coefficientMarks);
        }
        outcome.coefficientsRight[i] = right;
        revealed[static_cast<std::size_t>(key.methodLabel)] &= right;
    }

    form.LGrade().Text = std::to_string(score) + "%";
    form.LGrade().Visible = true;
    for (int m = 0; m < design::kMethodLabels; ++m) {
        form.Label1(m).Visible = revealed[static_cast<std::size_t>(m)];
    }
    outcome.revealed = revealed;
    outcome.score = score;
    for (int s = 0; s < kSlots; ++s) {
        const auto i = static_cast<std::size_t>(s);
        outcome.kept[i] = outcome.placed[i] != kEmpty && board.Slots[i].Piece != kEmpty;
    }
    return outcome;
}

}  // namespace alkynes
