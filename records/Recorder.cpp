// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/Recorder.h"

#include <cstdio>

namespace alkynes::records {
namespace {

std::mt19937_64 SeededRandom() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(), device(), device()};
    return std::mt19937_64(seed);
}

}  // namespace

Recorder::Recorder(Learner learner, std::unique_ptr<RecordSink> sink, Clocks clocks)
    : learner_(std::move(learner)),
      sink_(std::move(sink)),
      clocks_(std::move(clocks)),
      random_(SeededRandom()) {
    if (!clocks_.wall) {
        clocks_.wall = [] { return std::chrono::system_clock::now(); };
    }
    if (!clocks_.steady) {
        clocks_.steady = [] { return std::chrono::steady_clock::now(); };
    }
    Restarted();
}

void Recorder::Restarted() {
    start_ = clocks_.steady();
    tries_ = 0;
}

void Recorder::Checked(const CheckOutcome& outcome) {
    CheckRecord record = Describe(outcome);
    record.id = NewId();
    record.login = learner_.login;
    record.name = learner_.name;
    record.host = learner_.host;
    record.timestamp = LocalTimestamp(clocks_.wall());
    record.attemptTry = ++tries_;
    record.duration = std::chrono::floor<Centiseconds>(clocks_.steady() - start_);
    sink_->Append(std::move(record));
}

// A random (version 4) UUID in its standard form.
std::string Recorder::NewId() {
    const std::uint64_t high = (random_() & ~0xF000ULL) | 0x4000ULL;
    const std::uint64_t low = (random_() & ~(3ULL << 62)) | (2ULL << 62);
    char text[37];
    std::snprintf(text, sizeof text, "%08llx-%04llx-%04llx-%04llx-%012llx",
                  static_cast<unsigned long long>(high >> 32),
                  static_cast<unsigned long long>((high >> 16) & 0xFFFF),
                  static_cast<unsigned long long>(high & 0xFFFF),
                  static_cast<unsigned long long>(low >> 48),
                  static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
    return text;
}

}  // namespace alkynes::records
