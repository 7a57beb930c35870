// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A random source for tests: hands out given draws in order, then repeats
// a fixed sequence, and counts how often it was seeded.
#pragma once

#include <cstddef>
#include <vector>

#include "core/Random.h"

namespace alkynes::testing {

class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<double> draws = {}) : draws_(std::move(draws)) {}

    void SeedFromClock() override { ++seeds; }
    double Next() override {
        if (next_ < draws_.size()) {
            return draws_[next_++];
        }
        // After the script: cells 0, 1, 2, ... in turn (the identity order).
        const double u = (static_cast<double>(fallback_ % 9) + 0.5) / 9.0;
        ++fallback_;
        return u;
    }

    // Draws that give the palette order `cells` (one draw per compound).
    static std::vector<double> ForOrder(const std::vector<int>& cells) {
        std::vector<double> draws;
        for (int c : cells) {
            draws.push_back((c + 0.5) / 9.0);
        }
        return draws;
    }

    int seeds = 0;

  private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
    std::size_t fallback_ = 0;
};

}  // namespace alkynes::testing
