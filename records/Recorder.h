// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning record of one window: told of every check and restart, it
// keeps the attempt's try count and start, and hands the record of each
// check to its sink.  It takes a few microseconds of the check; the
// statement is made and written elsewhere (RecordWriter).
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <random>

#include "core/Check.h"
#include "records/Learner.h"
#include "records/RecordWriter.h"

namespace alkynes::records {

class Recorder {
  public:
    // The clocks: the wall clock dates a check, the steady one measures the
    // attempt.  By default the system's.
    struct Clocks {
        std::function<std::chrono::system_clock::time_point()> wall;
        std::function<std::chrono::steady_clock::time_point()> steady;
    };

    // The attempt starts now, as if the window had just been restarted.
    Recorder(Learner learner, std::unique_ptr<RecordSink> sink, Clocks clocks = {});

    // A restart: the next check is the first try again, timed from now.
    void Restarted();
    // A check: its record goes to the sink.
    void Checked(const CheckOutcome& outcome);

  private:
    std::string NewId();

    Learner learner_;
    std::unique_ptr<RecordSink> sink_;
    Clocks clocks_;
    std::chrono::steady_clock::time_point start_;
    int tries_ = 0;
    std::mt19937_64 random_;
};

}  // namespace alkynes::records
