#include "coefficients/CheckCoefficients.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "coefficients/NumberReading.h"
#include "core/Board.h"
#include "model/Design.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

// One equality of a ratio: c(left) = factor · c(right).
struct Proportion {
    std::size_t left;
    std::int32_t factor;
    std::size_t right;
};

constexpr std::size_t kMostBoxes = 5;

constexpr Proportion kRatio0[] = {{0, 2, 1}, {2, 3, 1}};                        // 2 : 1 : 3
constexpr Proportion kRatio1[] = {{1, 2, 0}, {2, 1, 0}, {3, 1, 0}};             // 1 : 2 : 1 : 1
constexpr Proportion kRatio2[] = {{1, 2, 0}, {2, 1, 0}, {3, 1, 1}, {4, 1, 1}};  // 1 : 2 : 1 : 2 : 2

std::span<const Proportion> RatioOf(std::int16_t r) {
    switch (r) {
        case 0:
            return kRatio0;
        case 1:
            return kRatio1;
        default:
            return kRatio2;
    }
}

// The values are at most 32767 and the factors at most 3: the products are
// exact in 32 bits.
bool RatioHolds(std::int16_t r, const std::array<std::int32_t, kMostBoxes>& c) {
    for (const Proportion& p : RatioOf(r)) {
        if (c[p.left] != p.factor * c[p.right]) {
            return false;
        }
    }
    return true;
}

bool CoefficientsRight(FormModel& form, std::int16_t r, std::span<const std::int16_t> boxes) {
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
    return RatioHolds(r, c);
}

}  // namespace

bool CheckCoefficients(FormModel& form, std::int16_t r) {
    if (r < 0 || r >= design::kReactions) {
        return false;
    }
    const std::span<const std::int16_t> boxes = ReactionBoxes(r);
    if (CoefficientsRight(form, r, boxes)) {
        return true;
    }
    for (std::int16_t j : boxes) {
        form.tCoefficient(j).Text.clear();
    }
    return false;
}

}  // namespace alkynes
