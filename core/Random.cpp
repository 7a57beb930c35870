// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Random.h"

#include <chrono>

namespace alkynes {

void ClockSeededRandom::SeedFromClock() {
    // Two restarts within one tick of the clock still get different seeds.
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint64_t>(ticks), ++reseeds_};
    engine_.seed(seq);
}

double ClockSeededRandom::Next() {
    // The top 53 bits as a fraction: exactly uniform on [0, 1), never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace alkynes
