// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/CheckRecord.h"

#include "coefficients/NumberReading.h"

namespace alkynes::records {
namespace {

// The reaction whose coefficients box j takes.
int ReactionOfBox(int j) {
    for (int r = 0; r < design::kReactions; ++r) {
        for (std::int16_t box : ReactionBoxes(r)) {
            if (box == j) {
                return r;
            }
        }
    }
    return 0;
}

}  // namespace

Judged JudgeBox(const CheckOutcome& outcome, int j) {
    const auto i = static_cast<std::size_t>(j);
    if (outcome.coefficientsRight[static_cast<std::size_t>(ReactionOfBox(j))]) {
        return Judged::Right;
    }
    if (!outcome.shown[i] || IsUnwrittenCoefficient(outcome.typed[i])) {
        return Judged::Empty;
    }
    return Judged::Wrong;
}

std::string FirstCharacters(const std::string& text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        // A byte 10xxxxxx continues the character before it.
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && characters++ == limit) {
            return text.substr(0, at);
        }
    }
    return text;
}

CheckRecord Describe(const CheckOutcome& outcome) {
    CheckRecord record;
    record.score = outcome.score;
    for (std::size_t s = 0; s < record.blanks.size(); ++s) {
        const std::int16_t compound = outcome.placed[s];
        if (compound != kEmpty) {
            record.blanks[s].placed = design::kCompoundFormulas[static_cast<std::size_t>(compound)];
        }
        record.blanks[s].right = outcome.kept[s];
    }
    for (std::size_t j = 0; j < record.boxes.size(); ++j) {
        record.boxes[j].typed = FirstCharacters(outcome.typed[j], kTypedLimit);
        record.boxes[j].judged = JudgeBox(outcome, static_cast<int>(j));
    }
    record.revealed = outcome.revealed;
    return record;
}

}  // namespace alkynes::records
