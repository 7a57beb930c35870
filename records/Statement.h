// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A check record as one xAPI 1.0.3 statement, "<learner> answered
// Παρασκευές αλκινίων", written as one line of JSON and read back from one.
//
// The actor is an Agent known by its account (the login, on the school's
// system) and, where the system knows it, the full name.  The object is the
// exercise, an Activity; its version is the statement's context.revision
// (xAPI's place for an activity's revision), so the records of every
// version of the program count for the same exercise.  The result holds
// the grade (raw 0 to 100, scaled 0 to 1), success (true exactly at 100)
// and the duration of the attempt.  What a teacher needs besides goes into
// extensions whose keys are the activity's id followed by "/try",
// "/blanks", "/coefficients" and "/methods" (result) and "/host"
// (context); a reader finds them from the statement's own object id.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "records/CheckRecord.h"

namespace alkynes::records {

// What names the exercise and the accounts in a statement.
struct Exercise {
    std::string activityId;  // the exercise's IRI, "http://<school host>/alkynes"
    std::string homePage;    // the system the logins belong to, "http://<school host>/"
    std::string moreInfo;    // a page about the exercise (its printable worksheet)
    std::string version;     // the program's version
};

inline constexpr char kAnsweredVerb[] = "http://adlnet.gov/expapi/verbs/answered";

// The statement of `record`, one line of JSON (UTF-8, no line break).
std::string StatementLine(const CheckRecord& record, const Exercise& exercise);

// The check record a line holds, or nothing when the line is no statement
// of this exercise's form: not JSON, cut short, another verb, or a
// required part missing or of the wrong type.
std::optional<CheckRecord> ReadStatement(std::string_view line);

}  // namespace alkynes::records
