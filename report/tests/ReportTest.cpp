// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The report's figures from a small class of known checks, and the CSV
// table.  The page itself is read in a real browser (browser_test.py).
#include <gtest/gtest.h>

#include <tuple>

#include "report/Report.h"

namespace alkynes::report {
namespace {

using records::CheckRecord;
using records::Judged;

records::ReadResult Class() {
    // Anna's checks come out of order, as from two files: the report goes
    // by their moments.
    const struct {
        const char* login;
        int minute, attemptTry, score, seconds;
        const char* blank0;   // CH4 is its right compound
        const char* blank12;  // a wrong one
        Judged box0;
    } checks[] = {
        {"anna", 3, 3, 100, 185, "CH4", "", Judged::Right},
        {"anna", 1, 1, 20, 0, "H2", "", Judged::Wrong},
        {"babis", 2, 1, 0, 0, "H2", "", Judged::Empty},
        {"anna", 2, 2, 56, 0, "CH4", "", Judged::Empty},
        {"babis", 2000, 2, 36, 0, "CaC2", "NaCl", Judged::Empty},
        {"anna", 4, 1, 100, 60, "CH4", "", Judged::Right},
        // H2O in blank 12 as often as NaCl: the first by formula
        {"chris", 5, 27, 95, 0, "", "H2O", Judged::Empty},
    };
    records::ReadResult read;
    for (const auto& c : checks) {
        CheckRecord& record = read.records.emplace_back();
        record.login = c.login;
        record.name = record.login == "anna" ? "Άννα Κ." : "";
        record.time = records::Milliseconds(60000LL * c.minute);
        record.timestamp =
            c.minute < 1440 ? "2026-12-09T10:00:00.000+02:00" : "2026-12-10T10:00:00.000+02:00";
        record.attemptTry = c.attemptTry;
        record.score = c.score;
        record.duration = records::Centiseconds(100LL * c.seconds);
        record.blanks[0] = {c.blank0, c.blank0 == std::string("CH4")};
        record.blanks[12] = {c.blank12, false};
        record.boxes[0].judged = c.box0;
    }
    read.badLines = 3;
    read.unreadable = {"/class/gone.jsonl"};
    return read;
}

TEST(Summary, FiguresOfAKnownClass) {
    const ClassFigures figures = Summarize(Class());
    EXPECT_EQ(figures.checks, 7);  // the students' rows: in the CSV table below
    EXPECT_EQ(figures.bestGrades, (std::array<int, 11>{0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1}));
    // Try 1: 20, 0, 100; try 2: 56, 36; try 3: 100; try 27 counts as 20.
    ASSERT_EQ(figures.curve.size(), static_cast<std::size_t>(kCurvePoints));
    EXPECT_EQ(figures.curve[0].checks, 3);
    EXPECT_DOUBLE_EQ(figures.curve[0].mean, 40);
    EXPECT_DOUBLE_EQ(figures.curve[1].mean, 46);
    EXPECT_DOUBLE_EQ(figures.curve[2].mean, 100);
    EXPECT_EQ(figures.curve[3].checks, 0);
    EXPECT_EQ(figures.curve[kCurvePoints - 1].checks, 1);
    EXPECT_DOUBLE_EQ(figures.curve[kCurvePoints - 1].mean, 95);

    EXPECT_EQ(figures.blanks[0].right, 3);
    EXPECT_EQ(figures.blanks[0].mostWrong, "H2");
    EXPECT_EQ(figures.blanks[0].mostWrongChecks, 2);
    EXPECT_EQ(figures.blanks[12].mostWrong, "H2O");
    EXPECT_EQ(figures.blanks[5].mostWrong, "");
    EXPECT_EQ(std::tie(figures.boxes[0].right, figures.boxes[0].wrong, figures.boxes[0].empty),
              std::tuple(2, 1, 4));
    EXPECT_EQ(figures.badLines, 3);
    EXPECT_EQ(figures.from, "2026-12-09T10:00:00.000+02:00");
    EXPECT_EQ(figures.to, "2026-12-10T10:00:00.000+02:00");
}

TEST(Summary, AnEmptyClassHasNoFigures) {
    const ClassFigures figures = Summarize({});
    EXPECT_TRUE(figures.students.empty());
    EXPECT_TRUE(figures.curve.empty());
    const std::string page = Html(figures);
    EXPECT_NE(page.find("0 μαθητές, 0 έλεγχοι."), std::string::npos);
}

// Anna's time to 100 is her first 100's, not the quicker later one's.
TEST(Csv, OneRowForEachStudentQuotedWhereItMustBe) {
    records::ReadResult read = Class();
    read.records[2].name = "Μπάμπης, \"ο μικρός\"";
    read.records[6].name = "=HYPERLINK(\"x\")";
    EXPECT_EQ(Csv(Summarize(read)),
              "Όνομα χρήστη,Ονοματεπώνυμο,Έλεγχοι,Πρώτος βαθμός,Καλύτερος βαθμός,"
              "Τελευταίος βαθμός,Δευτερόλεπτα ως το 100\r\n"
              "anna,Άννα Κ.,4,20,100,100,185\r\n"
              "babis,\"Μπάμπης, \"\"ο μικρός\"\"\",2,0,36,36,\r\n"
              "chris,\"'=HYPERLINK(\"\"x\"\")\",1,95,95,95,\r\n");
}

TEST(Page, EscapesWhatStudentsWrote) {
    records::ReadResult read = Class();
    read.records[2].name = "<script>alert(1)</script> & Co";
    const std::string page = Html(Summarize(read));
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; Co"), std::string::npos);
    EXPECT_NE(page.find("Δεν διαβάστηκαν και παραλείφθηκαν 3 γραμμές"), std::string::npos);
}

TEST(Clock, MinutesAndSecondsAndHours) {
    const struct {
        std::int64_t centiseconds;
        const char* text;
    } cases[] = {{0, "0:00"}, {999, "0:09"}, {18500, "3:05"}, {359999, "59:59"},
                 {360000, "1:00:00"}, {372599, "1:02:05"}, {100LL * 3600 * 27, "27:00:00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Clock(records::Centiseconds(c.centiseconds)), c.text);
    }
}

}  // namespace
}  // namespace alkynes::report
