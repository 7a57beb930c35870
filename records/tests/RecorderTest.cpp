// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The recorder told of a real window's checks and restarts: what each
// statement says of the blanks, boxes, methods, grade, try and duration,
// and that a statement reads back as it was written.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
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

// Keeps the statement lines of the records it is handed.
class MemorySink : public RecordSink {
  public:
    explicit MemorySink(std::vector<std::string>& lines) : lines_(lines) {}
    void Append(CheckRecord record) override { lines_.push_back(StatementLine(record, kExercise)); }

  private:
    std::vector<std::string>& lines_;
};

class RecorderTest : public testing::FormFixture {
  public:
    // For the games' tables.
    using FormFixture::FillRight;
    using FormFixture::Place;
    using FormFixture::Type;

  protected:
    RecorderTest()
        : recorder(Learner{"maria", "Μαρία Παπαδάκη", "lab-07"},
                   std::make_unique<MemorySink>(lines),
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

    void Wait(milliseconds ms) {
        wall += ms;
        steady += ms;
    }

    std::vector<std::string> lines;
    system_clock::time_point wall{milliseconds(1796838732345)};
    steady_clock::time_point steady{milliseconds(5'000'000)};
    Recorder recorder;
};

const std::string kAlpha40 = [] {
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "α";
    }
    return text;
}();

struct Game {
    const char* what;
    std::function<void(RecorderTest&)> play;
    int score;
    std::map<int, BlankResult> blanks;  // the others: nothing placed
    std::map<int, BoxResult> boxes;     // the others: empty, nothing typed
    std::array<bool, 3> revealed;
};

const std::vector<Game> kGames = {
    {"nothing placed", [](RecorderTest&) {}, 0, {}, {}, {false, false, false}},
    {"reaction 0 right, its middle box left empty (which reads 1)",
     [](RecorderTest& t) {
         t.FillRight(0);
         t.Type(0, {"2", "", "3"});
     },
     16,
     {{0, {"CH4", true}}, {1, {"H2", true}}},
     {{0, {"2", Judged::Right}}, {1, {"", Judged::Right}}, {2, {"3", Judged::Right}}},
     {true, false, false}},
    {"a wrong compound in a fixed slot, the pair in the other order",
     [](RecorderTest& t) {
         t.Place(3, 4);
         t.Place(0, 5);
         t.Place(8, 6);
         t.Type(2, {"1", "2", "1", "2", "2"});
     },
     8,
     {{4, {"CH3CH2CCl2CH3", false}}, {5, {"H2O", true}}, {6, {"NaCl", true}}},
     {{7, {"1", Judged::Wrong}},
      {8, {"2", Judged::Wrong}},
      {9, {"1", Judged::Wrong}},
      {10, {"2", Judged::Wrong}},
      {11, {"2", Judged::Wrong}}},
     {false, false, false}},
    {"reaction 1 with wrong coefficients, one box blank, one a tab",
     [](RecorderTest& t) {
         t.FillRight(1);
         t.Type(1, {"3", "x", "  ", "\t"});
     },
     10,
     {{2, {"CaC2", true}}, {3, {"Ca(OH)2", true}}},
     {{3, {"3", Judged::Wrong}},
      {4, {"x", Judged::Wrong}},
      {5, {"  ", Judged::Empty}},
      {6, {"\t", Judged::Wrong}}},
     {false, false, false}},
    {"a box's long text is kept to 32 characters",
     [](RecorderTest& t) {
         t.FillRight(0);
         t.Type(0, {kAlpha40, "1", "3"});
     },
     10,
     {{0, {"CH4", true}}, {1, {"H2", true}}},
     {{0, {kAlpha40.substr(0, 64), Judged::Wrong}},
      {1, {"1", Judged::Wrong}},
      {2, {"3", Judged::Wrong}}},
     {false, false, false}},
    {"two compounds the same in a pair",
     [](RecorderTest& t) {
         t.Place(4, 7);
         t.Place(8, 8);
         t.Place(8, 9);
     },
     8,
     {{7, {"CH3CH2CHCl2", true}}, {8, {"NaCl", true}}, {9, {"NaCl", false}}},
     {},
     {false, false, false}},
};

TEST_F(RecorderTest, EachCheckTellsEveryBlankBoxAndMethodText) {
    for (const Game& game : kGames) {
        SCOPED_TRACE(game.what);
        form.mnuRestart_Click();
        game.play(*this);
        const CheckRecord record = Check();
        EXPECT_EQ(record.score, game.score);
        EXPECT_EQ(record.score, std::stoi(model().LGrade().Text));  // the grade shown
        for (int s = 0; s < kSlots; ++s) {
            const auto it = game.blanks.find(s);
            EXPECT_EQ(record.blanks[static_cast<std::size_t>(s)],
                      it != game.blanks.end() ? it->second : BlankResult{})
                << "blank " << s;
        }
        for (int j = 0; j < design::kBoxes; ++j) {
            const auto it = game.boxes.find(j);
            EXPECT_EQ(record.boxes[static_cast<std::size_t>(j)],
                      it != game.boxes.end() ? it->second : BoxResult{})
                << "box " << j;
        }
        EXPECT_EQ(record.revealed, game.revealed);
    }
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
        Wait(milliseconds(step.waitMs));
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
    Recorder nameless(Learner{"s042", "", "lab-01"}, std::make_unique<MemorySink>(other));
    nameless.Checked(CheckOutcome{});
    EXPECT_FALSE(nlohmann::json::parse(other.back())["actor"].contains("name"));
    EXPECT_EQ(ReadStatement(other.back())->host, "lab-01");
}

TEST(Statement, ReadsBackWhatItWrote) {
    CheckRecord record;
    record.id = "0f8fad5b-d9cb-469f-a165-70867728950e";
    record.login = "o'brien \"x\"";
    record.name = "Ελένη\nΝέα γραμμή";
    record.host = "lab-pc07";
    record.timestamp = "2026-12-09T19:52:12.345+02:00";
    record.time = Milliseconds(1796838732345);
    record.attemptTry = 7;
    record.duration = Centiseconds(372540);
    record.score = 56;
    record.blanks[3] = {"Ca(OH)2", true};
    record.blanks[12] = {"NaCl", false};
    record.boxes[0] = {"2", Judged::Right};
    record.boxes[21] = {"\"}{]\\", Judged::Wrong};
    record.revealed = {true, false, true};
    EXPECT_EQ(ReadStatement(StatementLine(record, kExercise)), record);

    // Bytes that are no UTF-8 are written as U+FFFD, never lost with the line.
    record.boxes[5].typed = "2\xff";
    const std::optional<CheckRecord> read = ReadStatement(StatementLine(record, kExercise));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->boxes[5].typed, "2\xEF\xBF\xBD");
}

TEST(Statement, RefusesLinesOfAnotherForm) {
    CheckRecord record;
    record.id = "0f8fad5b-d9cb-469f-a165-70867728950e";
    record.login = "maria";
    record.timestamp = "2026-12-09T19:52:12.345+02:00";
    record.attemptTry = 1;
    const std::string good = StatementLine(record, kExercise);
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
