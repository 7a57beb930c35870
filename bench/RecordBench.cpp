// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the learning record costs: the time a record adds to a check (the
// check with and without a recorder, and the recorder's own part), the
// append of one record to a file on the local disk with its flush, which
// the writer's thread does meanwhile, and the class report of 100 students
// with 50 checks each.
//
//   ./build/bench/record_bench --benchmark_filter=Check   (the check's cost)
// Records are written under $TMPDIR (else /tmp), which should be on the
// local disk.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "form1/Form1.h"
#include "records/Recorder.h"
#include "report/Report.h"
#include "testing/Records.h"

namespace alkynes {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const records::Exercise& kExercise = testing::kSampleExercise;
using Scratch = testing::TempFolder;

// Each iteration timed on its own: the median and the worst one go into
// the counters, in microseconds.
class Samples {
  public:
    void Add(Clock::duration d) {
        us_.push_back(std::chrono::duration<double, std::micro>(d).count());
    }
    void Report(benchmark::State& state) {
        std::sort(us_.begin(), us_.end());
        state.counters["median_us"] = us_[us_.size() / 2];
        state.counters["p99_us"] = us_[us_.size() * 99 / 100];
        state.counters["worst_us"] = us_.back();
    }

  private:
    std::vector<double> us_;
};

// A board with something in every blank and box, checked again and again:
// a restart after each check puts the same pieces back.
void Play(Form1& form) {
    for (int s = 0; s < kSlots; ++s) {
        SlotEntry& slot = form.State().Slots[static_cast<std::size_t>(s)];
        slot.Piece =
            static_cast<std::int16_t>((slot.Expected + s % 2) % kCompounds + kCompounds * s);
    }
    for (int r = 0; r < design::kReactions; ++r) {
        ShowCoefficients(form.Model(), static_cast<std::int16_t>(r));
    }
    for (int j = 0; j < design::kBoxes; ++j) {
        form.Model().tCoefficient(j).Text = std::to_string(j % 3 + 1);
    }
}

// The check as the student waits for it: with state.range(0) == 1 the
// recorder writes every check to a file on the local disk.
void BM_Check(benchmark::State& state) {
    Scratch scratch;
    Form1 form;
    form.Form_Load();
    std::unique_ptr<records::Recorder> recorder;
    if (state.range(0) == 1) {
        recorder = std::make_unique<records::Recorder>(
            records::Learner{"maria", "Μαρία Παπαδάκη", "lab-pc07"},
            std::make_unique<records::RecordWriter>(records::ClassFile(scratch.path(), "maria"),
                                                    kExercise));
        form.SubscribeChecks([&](const CheckOutcome& o) { recorder->Checked(o); });
    }
    Samples samples;
    for (auto _ : state) {
        state.PauseTiming();
        Play(form);
        state.ResumeTiming();
        const auto start = Clock::now();
        form.mnuCheck_Click();
        samples.Add(Clock::now() - start);
        // A student checks every few seconds; give the writer the time.
        state.PauseTiming();
        usleep(2000);
        state.ResumeTiming();
    }
    samples.Report(state);
}
BENCHMARK(BM_Check)->Arg(0)->Arg(1)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The recorder's part of a check alone: the statement made and handed to
// the writer's thread.
void BM_RecordOfACheck(benchmark::State& state) {
    Scratch scratch;
    Form1 form;
    form.Form_Load();
    CheckOutcome outcome;
    form.SubscribeChecks([&](const CheckOutcome& o) { outcome = o; });
    Play(form);
    form.mnuCheck_Click();
    records::Recorder recorder({"maria", "Μαρία Παπαδάκη", "lab-pc07"},
                               std::make_unique<records::RecordWriter>(
                                   records::ClassFile(scratch.path(), "maria"), kExercise));
    Samples samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        recorder.Checked(outcome);
        samples.Add(Clock::now() - start);
        state.PauseTiming();
        usleep(2000);
        state.ResumeTiming();
    }
    samples.Report(state);
}
BENCHMARK(BM_RecordOfACheck)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// What the writer's thread does for each record meanwhile: one append
// under the lock, and the flush to the disk.
void BM_AppendToLocalDisk(benchmark::State& state) {
    Scratch scratch;
    records::CheckRecord record;
    record.id = "0f8fad5b-d9cb-469f-a165-70867728950e";
    record.login = "maria";
    record.timestamp = "2026-12-09T19:52:12.345+02:00";
    const std::string line = records::StatementLine(record, kExercise) + "\n";
    const records::Destination to = records::ClassFile(scratch.path(), "maria");
    Samples samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        if (records::AppendToFile(to, line) != 0) {
            state.SkipWithError("the append failed");
        }
        samples.Add(Clock::now() - start);
    }
    samples.Report(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_AppendToLocalDisk)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// A class of 100 students with 50 checks each, in 100 files, written as
// the writer writes them.
class ClassFolder {
  public:
    ClassFolder() {
        Form1 form;
        form.Form_Load();
        Play(form);
        const CheckOutcome outcome =
            CheckAndGrade(form.State(), form.Model(), [](std::int16_t) { return false; });
        for (int student = 0; student < 100; ++student) {
            const std::string login = "s" + std::to_string(student);
            std::string lines;
            for (int n = 0; n < 50; ++n) {
                records::CheckRecord record = records::Describe(outcome);
                record.id = login + "-" + std::to_string(n);
                record.login = login;
                record.name = "Μαθητής " + std::to_string(student);
                record.host = "lab";
                record.timestamp = records::LocalTimestamp(std::chrono::system_clock::now());
                record.attemptTry = n % 10 + 1;
                record.duration = records::Centiseconds(2000 * (n % 10 + 1));
                record.score = (student + n * 7) % 101;
                lines += records::StatementLine(record, kExercise) + "\n";
            }
            records::AppendToFile(records::ClassFile(scratch_.path(), login), lines);
        }
    }
    const std::string& path() const { return scratch_.path(); }

  private:
    Scratch scratch_;
};

void BM_Report(benchmark::State& state) {
    static const ClassFolder folder;
    std::size_t read = 0;
    for (auto _ : state) {
        const records::ReadResult records = records::ReadRecords({folder.path()});
        const report::ClassFigures figures = report::Summarize(records);
        const std::string page = report::Html(figures);
        benchmark::DoNotOptimize(page.data());
        read = records.records.size();
    }
    state.counters["statements"] = static_cast<double>(read);
    if (read != 5000) {
        state.SkipWithError("the class folder does not hold 5,000 statements");
    }
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

// The report's parts: reading the files (JSON parsing included), and the
// figures and page from what was read.
void BM_ReportRead(benchmark::State& state) {
    static const ClassFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(records::ReadRecords({folder.path()}).records.size());
    }
}
BENCHMARK(BM_ReportRead)->Unit(benchmark::kMillisecond);

void BM_ReportPage(benchmark::State& state) {
    static const ClassFolder folder;
    const records::ReadResult records = records::ReadRecords({folder.path()});
    for (auto _ : state) {
        benchmark::DoNotOptimize(report::Html(report::Summarize(records)).size());
    }
}
BENCHMARK(BM_ReportPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace alkynes

BENCHMARK_MAIN();
