// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures of the class report, worked out from the check records:
// per student the checks, the first, best and last grade and the time to
// the first 100; the class's best grades in tens; the mean grade by try
// number (the class's learning curve); per blank how often it held the
// right compound and the wrong one it held most often; per coefficient box
// how often it was right, wrong or empty.  Every share counts all checks.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/Board.h"
#include "model/Design.h"
#include "records/RecordFile.h"

namespace alkynes::report {

struct StudentRow {
    std::string login;
    std::string name;
    int checks = 0;
    int first = 0;
    int best = 0;
    int last = 0;
    // The attempt's duration at its first check of 100, if one came.
    std::optional<records::Centiseconds> toFull;
};

// The learning curve has a point for each try number up to this one; the
// last point gathers every later try too.
inline constexpr int kCurvePoints = 20;

struct CurvePoint {
    int checks = 0;
    double mean = 0;
};

struct BlankRow {
    int right = 0;             // checks in which it held a right compound
    std::string mostWrong;     // the wrong compound it held most often, or ""
    int mostWrongChecks = 0;   // in how many checks
};

struct BoxRow {
    int right = 0;
    int wrong = 0;
    int empty = 0;
};

struct ClassFigures {
    int checks = 0;
    std::vector<StudentRow> students;  // by login
    // Students by best grade: 0–9, 10–19, …, 90–99, and 100.
    std::array<int, 11> bestGrades{};
    // Try 1, 2, … up to the last try number that came (at most kCurvePoints).
    std::vector<CurvePoint> curve;
    std::array<BlankRow, kSlots> blanks{};
    std::array<BoxRow, design::kBoxes> boxes{};
    int badLines = 0;
    std::vector<std::string> unreadable;
    std::string from, to;  // the timestamps of the first and the last check
};

ClassFigures Summarize(const records::ReadResult& read);

}  // namespace alkynes::report
