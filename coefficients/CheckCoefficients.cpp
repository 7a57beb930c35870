// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coefficients/CheckCoefficients.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "coefficients/NumberReading.h"
#include "core/AnswerKey.h"
#include "core/Board.h"
#include "model/Design.h"
#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {
namespace {

// Reads the boxes of reaction r, left to right, and tells whether their
// values are a whole multiple of the reaction's ratio in the answer key.
bool CoefficientsRight(const FormModel& form, std::int16_t r) {
    const std::span<const std::int16_t> boxes = ReactionBoxes(r);
    const auto& ratio = kAnswerKey[static_cast<std::size_t>(r)].ratio;
    std::array<std::int32_t, kMostBoxes> c{};
    if (boxes.size() > c.size()) {
        return false;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::optional<std::int16_t> value = ReadCoefficient(form.tCoefficient(boxes[i]).Text);
        if (!value || *value < 1) {
            return false;
        }
        c[i] = *value;
    }
    // The first box gives the multiple.  The values are at most 32767 and
    // the terms of the ratio small: the products are exact in 32 bits.
    if (c[0] % ratio[0] != 0) {
        return false;
    }
    const std::int32_t multiple = c[0] / ratio[0];
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        if (c[i] != multiple * ratio[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool CheckCoefficients(FormModel& form, std::int16_t r) {
    if (r < 0 || r >= design::kReactions) {
        return false;
    }
    if (CoefficientsRight(form, r)) {
        return true;
    }
    for (std::int16_t j : ReactionBoxes(r)) {
        form.tCoefficient(j).Text.clear();
    }
    return false;
}

}  // namespace alkynes
