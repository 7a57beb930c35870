// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tests and benchmarks of the learning record share: the exercise
// their statements name, a sink of statement lines, and a scratch folder
// of real files.
#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <utility>

#include "records/RecordWriter.h"
#include "records/Statement.h"

namespace alkynes::testing {

// The exercise as the program names it with the default school host.
inline const records::Exercise kSampleExercise{
    .activityId = "http://www.lykeio-orthalion.example/alkynes",
    .homePage = "http://www.lykeio-orthalion.example/",
    .moreInfo = "http://www.lykeio-orthalion.example/WS_OC_16.pdf",
    .version = "1.0.0.0"};

// Hands the statement line of each record it is given to `take`.
class LineSink : public records::RecordSink {
  public:
    explicit LineSink(std::function<void(std::string)> take) : take_(std::move(take)) {}
    void Append(records::CheckRecord record) override {
        take_(records::StatementLine(record, kSampleExercise));
    }

  private:
    std::function<void(std::string)> take_;
};

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it at
// the end, whatever permissions a test left on it.
class TempFolder {
  public:
    TempFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string name = std::string(tmp != nullptr ? tmp : "/tmp") + "/alkynes-XXXXXX";
        path_ = mkdtemp(name.data());
        chmod(path_.c_str(), 0755);  // for the tests that run as another user
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace alkynes::testing
