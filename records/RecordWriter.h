// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the records to their file without ever holding up the exercise.
//
// A record handed over is made into its statement and written by a thread
// of its own (the statement's JSON takes some fifty microseconds, the
// record itself a few), so a slow disk,
// a full one or a network home that stopped answering never delays a
// check.  A record that cannot be written stays in memory and goes with
// the next one that can; the first failure is told once (and so is the
// writing that finally succeeds), in Greek, on standard error.  At the end
// the writer tries once more and waits a little for the disk; what is
// still not written is told as lost.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "records/RecordFile.h"
#include "records/Statement.h"

namespace alkynes::records {

// Where the recorder hands its records.
class RecordSink {
  public:
    virtual ~RecordSink() = default;
    // Takes the record of one check; returns at once.
    virtual void Append(CheckRecord record) = 0;
};

class RecordWriter final : public RecordSink {
  public:
    // What the writer has to say (one message, without a line break); by
    // default it goes to standard error.
    using Say = std::function<void(const std::string&)>;

    // Writing past the file size limit then fails with EFBIG instead of
    // ending the program: the writer ignores SIGXFSZ from here on.
    RecordWriter(Destination to, Exercise exercise, Say say = nullptr,
                 std::chrono::milliseconds lastWait = std::chrono::seconds(5));
    // The last try; waits for it at most `lastWait`.
    ~RecordWriter() override;

    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    void Append(CheckRecord record) override;

    // Waits until every record handed over so far has been tried, and
    // returns how many wait in memory.
    std::size_t Settle();

  private:
    struct State;
    std::shared_ptr<State> state_;
    std::thread thread_;
    std::chrono::milliseconds lastWait_;
};

// The messages, in Greek, as the program says them.
namespace messages {
std::string CannotWrite(const std::string& path, int error);
std::string WrittenAtLast(const std::string& path, std::size_t records);
std::string Lost(const std::string& path, std::size_t records);
}  // namespace messages

}  // namespace alkynes::records
