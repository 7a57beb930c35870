// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/Statement.h"

#include <nlohmann/json.hpp>

#include <cstddef>

namespace alkynes::records {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// The extension keys, after the activity's id.
constexpr char kTry[] = "/try";
constexpr char kBlanks[] = "/blanks";
constexpr char kCoefficients[] = "/coefficients";
constexpr char kMethods[] = "/methods";
constexpr char kHost[] = "/host";

constexpr const char* kJudged[] = {"right", "wrong", "empty"};

constexpr char kDescription[] =
    "Άσκηση οργανικής χημείας: οι ενώσεις και οι συντελεστές των χημικών εξισώσεων "
    "για τρεις τρόπους παρασκευής του ακετυλενίου και των αλκινίων.";

ordered_json Actor(const CheckRecord& record, const Exercise& exercise) {
    ordered_json actor = {{"objectType", "Agent"}};
    if (!record.name.empty()) {
        actor["name"] = record.name;
    }
    actor["account"] = {{"homePage", exercise.homePage}, {"name", record.login}};
    return actor;
}

ordered_json Result(const CheckRecord& record, const std::string& base) {
    ordered_json blanks = ordered_json::array();
    for (const BlankResult& blank : record.blanks) {
        blanks.push_back({{"placed", blank.placed.empty() ? ordered_json() : ordered_json(blank.placed)},
                          {"right", blank.right}});
    }
    ordered_json boxes = ordered_json::array();
    for (const BoxResult& box : record.boxes) {
        boxes.push_back(
            {{"typed", box.typed}, {"judged", kJudged[static_cast<std::size_t>(box.judged)]}});
    }
    return {{"score",
             {{"scaled", record.score / 100.0},
              {"raw", record.score},
              {"min", 0},
              {"max", 100}}},
            {"success", record.score == 100},
            {"duration", FormatDuration(record.duration)},
            {"extensions",
             {{base + kTry, record.attemptTry},
              {base + kBlanks, blanks},
              {base + kCoefficients, boxes},
              {base + kMethods, record.revealed}}}};
}

// The value at `key` of `object` if it is there and of the asked kind.
const json* Member(const json& object, const std::string& key) {
    if (!object.is_object()) {
        return nullptr;
    }
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

const std::string* String(const json& object, const std::string& key) {
    const json* value = Member(object, key);
    return value != nullptr && value->is_string() ? &value->get_ref<const std::string&>()
                                                  : nullptr;
}

const json* Array(const json& object, const std::string& key, std::size_t size) {
    const json* value = Member(object, key);
    return value != nullptr && value->is_array() && value->size() == size ? value : nullptr;
}

bool ReadBlanks(const json& list, CheckRecord& record) {
    for (std::size_t s = 0; s < record.blanks.size(); ++s) {
        const json* placed = Member(list[s], "placed");
        const json* right = Member(list[s], "right");
        if (placed == nullptr || !(placed->is_null() || placed->is_string()) || right == nullptr ||
            !right->is_boolean()) {
            return false;
        }
        record.blanks[s].placed = placed->is_null() ? "" : placed->get<std::string>();
        record.blanks[s].right = right->get<bool>();
    }
    return true;
}

bool ReadBoxes(const json& list, CheckRecord& record) {
    for (std::size_t j = 0; j < record.boxes.size(); ++j) {
        const std::string* typed = String(list[j], "typed");
        const std::string* judged = String(list[j], "judged");
        if (typed == nullptr || judged == nullptr) {
            return false;
        }
        std::size_t k = 0;
        while (k < std::size(kJudged) && *judged != kJudged[k]) {
            ++k;
        }
        if (k == std::size(kJudged)) {
            return false;
        }
        record.boxes[j] = {*typed, static_cast<Judged>(k)};
    }
    return true;
}

}  // namespace

std::string StatementLine(const CheckRecord& record, const Exercise& exercise) {
    const std::string& base = exercise.activityId;
    const ordered_json statement = {
        {"id", record.id},
        {"actor", Actor(record, exercise)},
        {"verb",
         {{"id", kAnsweredVerb}, {"display", {{"en-US", "answered"}, {"el", "απάντησε"}}}}},
        {"object",
         {{"objectType", "Activity"},
          {"id", base},
          {"definition",
           {{"name", {{"el", design::kCaption}}},
            {"description", {{"el", kDescription}}},
            {"type", "http://adlnet.gov/expapi/activities/assessment"},
            {"moreInfo", exercise.moreInfo}}}}},
        {"result", Result(record, base)},
        {"context",
         {{"revision", exercise.version},
          {"platform", "alkynes"},
          {"language", "el"},
          {"extensions", {{base + kHost, record.host}}}}},
        {"timestamp", record.timestamp}};
    // A box's text is whatever was typed: bytes that are no UTF-8 become
    // U+FFFD rather than stopping the record.
    return statement.dump(-1, ' ', false, json::error_handler_t::replace);
}

namespace {

// Who made the check and when: the statement's id, the learner, the time
// and the host.
bool ReadWho(const json& statement, const std::string& base, CheckRecord& record) {
    const json* actor = Member(statement, "actor");
    const json* account = actor != nullptr ? Member(*actor, "account") : nullptr;
    const std::string* login = account != nullptr ? String(*account, "name") : nullptr;
    const std::string* id = String(statement, "id");
    const std::string* timestamp = String(statement, "timestamp");
    const auto time = timestamp != nullptr ? ParseTimestamp(*timestamp) : std::nullopt;
    if (login == nullptr || id == nullptr || !time) {
        return false;
    }
    record.id = *id;
    record.login = *login;
    if (const std::string* name = String(*actor, "name")) {
        record.name = *name;
    }
    if (const json* context = Member(statement, "context")) {
        if (const json* more = Member(*context, "extensions")) {
            if (const std::string* host = String(*more, base + kHost)) {
                record.host = *host;
            }
        }
    }
    record.timestamp = *timestamp;
    record.time = *time;
    return true;
}

// What the check found: the grade, the time it took, the try, and each
// blank, box and method text.
bool ReadFound(const json& result, const std::string& base, CheckRecord& record) {
    const std::string* duration = String(result, "duration");
    const json* score = Member(result, "score");
    const json* raw = score != nullptr ? Member(*score, "raw") : nullptr;
    const json* extensions = Member(result, "extensions");
    if (duration == nullptr || raw == nullptr || !raw->is_number_integer() ||
        extensions == nullptr) {
        return false;
    }
    const json* attemptTry = Member(*extensions, base + kTry);
    const json* blanks = Array(*extensions, base + kBlanks, record.blanks.size());
    const json* boxes = Array(*extensions, base + kCoefficients, record.boxes.size());
    const json* methods = Array(*extensions, base + kMethods, record.revealed.size());
    const auto length = ParseDuration(*duration);
    if (attemptTry == nullptr || !attemptTry->is_number_integer() || blanks == nullptr ||
        boxes == nullptr || methods == nullptr || !length || !ReadBlanks(*blanks, record) ||
        !ReadBoxes(*boxes, record)) {
        return false;
    }
    for (std::size_t m = 0; m < record.revealed.size(); ++m) {
        if (!(*methods)[m].is_boolean()) {
            return false;
        }
        record.revealed[m] = (*methods)[m].get<bool>();
    }
    const std::int64_t points = raw->get<std::int64_t>();
    const std::int64_t number = attemptTry->get<std::int64_t>();
    if (points < 0 || points > 100 || number < 1 || number > 1'000'000) {
        return false;
    }
    record.duration = *length;
    record.score = static_cast<int>(points);
    record.attemptTry = static_cast<int>(number);
    return true;
}

}  // namespace

std::optional<CheckRecord> ReadStatement(std::string_view line) {
    const json statement = json::parse(line, nullptr, false);
    if (statement.is_discarded()) {
        return std::nullopt;
    }
    const json* verb = Member(statement, "verb");
    const json* object = Member(statement, "object");
    const json* result = Member(statement, "result");
    const std::string* verbId = verb != nullptr ? String(*verb, "id") : nullptr;
    const std::string* base = object != nullptr ? String(*object, "id") : nullptr;
    CheckRecord record;
    if (verbId == nullptr || *verbId != kAnsweredVerb || base == nullptr || result == nullptr ||
        !ReadWho(statement, *base, record) || !ReadFound(*result, *base, record)) {
        return std::nullopt;
    }
    return record;
}

}  // namespace alkynes::records
