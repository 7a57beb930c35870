// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/ClassFigures.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace alkynes::report {
namespace {

using records::CheckRecord;

StudentRow Student(std::vector<const CheckRecord*>& checks) {
    std::stable_sort(checks.begin(), checks.end(),
                     [](const CheckRecord* a, const CheckRecord* b) { return a->time < b->time; });
    StudentRow row;
    row.login = checks.front()->login;
    row.checks = static_cast<int>(checks.size());
    row.first = checks.front()->score;
    row.last = checks.back()->score;
    for (const CheckRecord* check : checks) {
        row.best = std::max(row.best, check->score);
        if (!check->name.empty()) {
            row.name = check->name;
        }
        if (check->score == 100 && !row.toFull) {
            row.toFull = check->duration;
        }
    }
    return row;
}


// What one check adds to the blanks' and the boxes' rows, and the wrong
// compounds counted per blank.
void CountAnswers(const CheckRecord& check, ClassFigures& figures,
                  std::array<std::map<std::string, int>, kSlots>& wrong) {
    for (std::size_t s = 0; s < check.blanks.size(); ++s) {
        if (check.blanks[s].right) {
            ++figures.blanks[s].right;
        } else if (!check.blanks[s].placed.empty()) {
            ++wrong[s][check.blanks[s].placed];
        }
    }
    for (std::size_t j = 0; j < check.boxes.size(); ++j) {
        BoxRow& box = figures.boxes[j];
        switch (check.boxes[j].judged) {
            case records::Judged::Right: ++box.right; break;
            case records::Judged::Wrong: ++box.wrong; break;
            case records::Judged::Empty: ++box.empty; break;
        }
    }
}

// The class's mean grade by try number, the last point gathering the later
// tries.
std::vector<CurvePoint> LearningCurve(const std::vector<CheckRecord>& checks) {
    std::array<CurvePoint, kCurvePoints> curve{};
    int lastTry = 0;
    for (const CheckRecord& check : checks) {
        const int point = std::min(check.attemptTry, kCurvePoints);
        lastTry = std::max(lastTry, point);
        curve[static_cast<std::size_t>(point - 1)].checks += 1;
        curve[static_cast<std::size_t>(point - 1)].mean += check.score;
    }
    std::vector<CurvePoint> points;
    for (int t = 0; t < lastTry; ++t) {
        CurvePoint point = curve[static_cast<std::size_t>(t)];
        if (point.checks > 0) {
            point.mean /= point.checks;
        }
        points.push_back(point);
    }
    return points;
}

// The most frequent wrong compound; of equally frequent ones the first by
// formula, so that the report does not depend on the order read.
void MostWrong(const std::array<std::map<std::string, int>, kSlots>& wrong,
               ClassFigures& figures) {
    for (std::size_t s = 0; s < wrong.size(); ++s) {
        for (const auto& [formula, count] : wrong[s]) {
            if (count > figures.blanks[s].mostWrongChecks) {
                figures.blanks[s].mostWrong = formula;
                figures.blanks[s].mostWrongChecks = count;
            }
        }
    }
}

}  // namespace

ClassFigures Summarize(const records::ReadResult& read) {
    ClassFigures figures;
    figures.checks = static_cast<int>(read.records.size());
    figures.badLines = read.badLines;
    figures.unreadable = read.unreadable;

    std::map<std::string, std::vector<const CheckRecord*>> byLogin;
    std::array<std::map<std::string, int>, kSlots> wrong;
    const CheckRecord* earliest = nullptr;
    const CheckRecord* latest = nullptr;
    for (const CheckRecord& check : read.records) {
        byLogin[check.login].push_back(&check);
        if (earliest == nullptr || check.time < earliest->time) {
            earliest = &check;
        }
        if (latest == nullptr || check.time >= latest->time) {
            latest = &check;
        }
        CountAnswers(check, figures, wrong);
    }
    if (earliest != nullptr) {
        figures.from = earliest->timestamp;
        figures.to = latest->timestamp;
    }
    for (auto& [login, checks] : byLogin) {
        figures.students.push_back(Student(checks));
        const int best = figures.students.back().best;
        ++figures.bestGrades[static_cast<std::size_t>(best == 100 ? 10 : best / 10)];
    }
    figures.curve = LearningCurve(read.records);
    MostWrong(wrong, figures);
    return figures;
}

}  // namespace alkynes::report
