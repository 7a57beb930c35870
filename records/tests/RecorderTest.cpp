// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The recorder told of a real window's checks and restarts: what each
// statement says of the blanks, boxes, methods, grade, try and duration,
// and that a statement reads back as it was written.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "records/Recorder.h"
#include "testing/FormFixture.h"
#include "testing/Records.h"

namespace alkynes::records {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;
using std::chrono::system_clock;

const Exercise& kExercise = testing::kSampleExercise;

class RecorderTest : public testing::FormFixture {
  protected:
    RecorderTest()
        : recorder(Learner{"maria", "Μαρία Παπαδάκη", "lab-07"},
                   std::make_unique<testing::LineSink>(
                       [this](std::string line) { lines.push_back(std::move(line)); }),
                   {.wall = [this] { return wall; }, .steady = [this] { return steady; }}) {
        form.SubscribeChecks([this](const CheckOutcome& o) { recorder.Checked(o); });
        form.SubscribeRestarts([this] { recorder.Restarted(); });
    }

    CheckRecord Check() {
        form.mnuCheck_Click();
        const std::optional<CheckRecord> record = ReadStatement(lines.back());
        EXPECT_TRUE(record) << lines.back();
        return record.value_or(CheckRecord{});
    }

    std::vector<std::string> lines;
    system_clock::time_point wall{milliseconds(1796838732345)};
    steady_clock::time_point steady{milliseconds(5'000'000)};
    Recorder recorder;
};

const struct Game {
    const char* what;
    int filled;                               // a reaction filled right, or -1
    std::vector<std::pair<int, int>> placed;  // compound k into slot s
    int typed;                                // the reaction typed into, or -1
    std::vector<std::string> texts;
    const char* judged;  // each box (r)ight, (w)rong or (e)mpty; the others empty
    int score;
    std::map<int, BlankResult> blanks;  // the others: nothing placed
    std::array<bool, 3> revealed{};
} kGames[] = {
    // clang-format off
    {"nothing placed", -1, {}, -1, {}, "", 0, {}},
    {"reaction 0 right, its middle box left empty (which reads 1)", 0, {}, 0, {"2", "", "3"},
     "rrr", 16, {{0, {"CH4", true}}, {1, {"H2", true}}}, {true, false, false}},
    {"a wrong compound in a fixed slot, the pair in the other order", -1,
     {{3, 4}, {0, 5}, {8, 6}}, 2, {"1", "2", "1", "2", "2"}, "wwwww", 8,
     {{4, {"CH3CH2CCl2CH3", false}}, {5, {"H2O", true}}, {6, {"NaCl", true}}}},
    {"reaction 1 with wrong coefficients, one box blank, one a tab", 1, {}, 1,
     {"3", "x", "  ", "\t"}, "wwew", 10, {{2, {"CaC2", true}}, {3, {"Ca(OH)2", true}}}},
    {"two compounds the same in a pair", -1, {{4, 7}, {8, 8}, {8, 9}}, -1, {}, "", 8,
     {{7, {"CH3CH2CHCl2", true}}, {8, {"NaCl", true}}, {9, {"NaCl", false}}}},
    // clang-format on
};

TEST_F(RecorderTest, EachCheckTellsEveryBlankBoxAndMethodText) {
    for (const Game& game : kGames) {
        SCOPED_TRACE(game.what);
        form.mnuRestart_Click();
        if (game.filled >= 0) {
            FillRight(game.filled);
        }
        for (const auto& [k, s] : game.placed) {
            Place(k, s);
        }
        std::array<BoxResult, design::kBoxes> boxes{};
        if (game.typed >= 0) {
            Type(game.typed, game.texts);
            for (std::size_t i = 0; i < game.texts.size(); ++i) {
                const Judged judged[] = {Judged::Right, Judged::Wrong, Judged::Empty};
                boxes[ReactionBoxes(game.typed)[i]] = {
                    game.texts[i], judged[std::string("rwe").find(game.judged[i])]};
            }
        }
        const CheckRecord record = Check();
        EXPECT_EQ(record.score, game.score);
        EXPECT_EQ(record.score, std::stoi(model().LGrade().Text));  // the grade shown
        for (std::size_t s = 0; s < kSlots; ++s) {
            const auto it = game.blanks.find(static_cast<int>(s));
            EXPECT_EQ(record.blanks[s], it != game.blanks.end() ? it->second : BlankResult{})
                << "blank " << s;
        }
        for (std::size_t j = 0; j < boxes.size(); ++j) {
            EXPECT_EQ(record.boxes[j], boxes[j]) << "box " << j;
        }
        EXPECT_EQ(record.revealed, game.revealed);
    }
}

TEST_F(RecorderTest, ABoxsLongTextIsKeptTo32Characters) {
    std::string alphas;
    for (int i = 0; i < 40; ++i) {
        alphas += "α";
    }
    FillRight(0);
    Type(0, {alphas, "1", "3"});
    EXPECT_EQ(Check().boxes[0].typed, alphas.substr(0, 64));  // 32 letters of two bytes
}

TEST_F(RecorderTest, AWholeRightGameIsASuccess) {
    AnswerAllRight();
    Check();
    const nlohmann::json statement = nlohmann::json::parse(lines.back());
    EXPECT_EQ(statement["result"]["score"],
              nlohmann::json::parse(R"({"scaled":1.0,"raw":100,"min":0,"max":100})"));
    EXPECT_EQ(statement["result"]["success"], true);
    form.mnuRestart_Click();
    Check();
    EXPECT_EQ(nlohmann::json::parse(lines.back())["result"]["success"], false);
}

TEST_F(RecorderTest, TriesAndDurationsCountFromTheStartOrTheLastRestart) {
    const struct {
        int waitMs;
        bool restart;  // else a check
        int attemptTry;
        const char* duration;
    } steps[] = {
        {5000, false, 1, "PT5S"}, {60250, false, 2, "PT1M5.25S"},  {4999, true, 0, ""},
        {2009, false, 1, "PT2S"}, {3600000, false, 2, "PT1H0M2S"},
    };
    for (const auto& step : steps) {
        wall += milliseconds(step.waitMs);
        steady += milliseconds(step.waitMs);
        if (step.restart) {
            form.mnuRestart_Click();
            continue;
        }
        const CheckRecord record = Check();
        EXPECT_EQ(record.attemptTry, step.attemptTry);
        EXPECT_EQ(FormatDuration(record.duration), step.duration);
        EXPECT_EQ(record.time.count(), wall.time_since_epoch() / milliseconds(1));
    }
    std::set<std::string> ids;
    for (const std::string& line : lines) {
        ids.insert(nlohmann::json::parse(line)["id"].get<std::string>());
    }
    EXPECT_EQ(ids.size(), lines.size()) << "every statement has its own id";
}

TEST_F(RecorderTest, TheLearnerIsTheAccountWithItsNameWhereKnown) {
    Check();
    const nlohmann::json actor = nlohmann::json::parse(lines.back())["actor"];
    EXPECT_EQ(actor, nlohmann::json::parse(R"({"objectType":"Agent","name":"Μαρία Παπαδάκη",
        "account":{"homePage":"http://www.lykeio-orthalion.example/","name":"maria"}})"));
    std::vector<std::string> other;
    Recorder nameless(Learner{"s042", "", "lab-01"},
                      std::make_unique<testing::LineSink>(
                          [&other](std::string line) { other.push_back(std::move(line)); }));
    nameless.Checked(CheckOutcome{});
    EXPECT_FALSE(nlohmann::json::parse(other.back())["actor"].contains("name"));
    EXPECT_EQ(ReadStatement(other.back())->host, "lab-01");
}

// A record with every part set, texts of every kind among them.
const CheckRecord kRecord = [] {
    CheckRecord record{.id = "0f8fad5b-d9cb-469f-a165-70867728950e",
                       .login = "o'brien \"x\"",
                       .name = "Ελένη\nΝέα γραμμή",
                       .host = "lab-pc07",
                       .timestamp = "2026-12-09T19:52:12.345+02:00",
                       .time = Milliseconds(1796838732345),
                       .attemptTry = 7,
                       .duration = Centiseconds(372540),
                       .score = 56,
                       .revealed = {true, false, true}};
    record.blanks[3] = {"Ca(OH)2", true};
    record.blanks[12] = {"NaCl", false};
    record.boxes[0] = {"2", Judged::Right};
    record.boxes[21] = {"\"}{]\\", Judged::Wrong};
    return record;
}();

TEST(Statement, ReadsBackWhatItWrote) {
    EXPECT_EQ(ReadStatement(StatementLine(kRecord, kExercise)), kRecord);
    // Bytes that are no UTF-8 are written as U+FFFD, never lost with the line.
    CheckRecord record = kRecord;
    record.boxes[5].typed = "2\xff";
    const std::optional<CheckRecord> read = ReadStatement(StatementLine(record, kExercise));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->boxes[5].typed, "2\xEF\xBF\xBD");
}

TEST(Statement, RefusesLinesOfAnotherForm) {
    const std::string good = StatementLine(kRecord, kExercise);
    ASSERT_TRUE(ReadStatement(good));
    const std::string base = kExercise.activityId;
    const std::vector<std::function<void(nlohmann::json&)>> changes = {
        [](nlohmann::json& s) { s["verb"]["id"] = "http://adlnet.gov/expapi/verbs/attempted"; },
        [](nlohmann::json& s) { s.erase("actor"); },
        [](nlohmann::json& s) { s["actor"]["account"].erase("name"); },
        [](nlohmann::json& s) { s["result"]["score"]["raw"] = "56"; },
        [](nlohmann::json& s) { s["result"]["score"]["raw"] = 101; },
        [](nlohmann::json& s) { s["timestamp"] = "yesterday"; },
        [](nlohmann::json& s) { s["result"]["duration"] = "5 s"; },
        [&](nlohmann::json& s) { s["result"]["extensions"].erase(base + "/try"); },
        [&](nlohmann::json& s) { s["result"]["extensions"][base + "/try"] = 0; },
        [&](nlohmann::json& s) { s["result"]["extensions"][base + "/blanks"].erase(12); },
        [&](nlohmann::json& s) { s["result"]["extensions"][base + "/blanks"][0]["right"] = 1; },
        [&](nlohmann::json& s) {
            s["result"]["extensions"][base + "/coefficients"][3]["judged"] = "maybe";
        },
        [&](nlohmann::json& s) { s["result"]["extensions"][base + "/methods"][1] = nullptr; },
        [](nlohmann::json& s) { s["object"]["id"] = "http://other.example/exercise"; },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        nlohmann::json statement = nlohmann::json::parse(good);
        changes[i](statement);
        EXPECT_FALSE(ReadStatement(statement.dump())) << "change " << i;
    }
    for (const std::string& bad : {good.substr(0, good.size() / 2), std::string("[1,2]"),
                                   std::string("null"), std::string("{")}) {
        EXPECT_FALSE(ReadStatement(bad)) << bad;
    }
}

}  // namespace
}  // namespace alkynes::records
