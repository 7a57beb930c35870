// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The random source of the palette shuffle: uniform draws from [0, 1),
// seeded anew from the system clock at every restart.
#pragma once

#include <cstdint>
#include <random>

namespace alkynes {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Seeds the source from the system clock.
    virtual void SeedFromClock() = 0;
    // A uniform draw from [0, 1).
    virtual double Next() = 0;
};

// The program's generator: a 64-bit Mersenne Twister.
class ClockSeededRandom final : public RandomSource {
  public:
    void SeedFromClock() override;
    double Next() override;

  private:
    std::mt19937_64 engine_;
    std::uint64_t reseeds_ = 0;
};

}  // namespace alkynes
