// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the statements of a few games played on a real Form1, one line
// each, for xapi_rules.py to hold against the xAPI rules: learners with and
// without a full name, grades 0, partial and 100, texts of every kind in
// the boxes, attempts of a moment and of hours.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "form1/Form1.h"
#include "records/Recorder.h"
#include "testing/Records.h"

using namespace alkynes;

namespace {

void Type(Form1& form, int r, const std::initializer_list<const char*>& texts) {
    ShowCoefficients(form.Model(), static_cast<std::int16_t>(r));
    const auto* text = texts.begin();
    for (std::int16_t j : ReactionBoxes(r)) {
        form.Model().tCoefficient(j).Text = *text++;
    }
}

}  // namespace

int main() {
    const records::Learner learners[] = {
        {"maria", "Μαρία Παπαδάκη", "lab-pc07"},
        {"s042", "", "ltsp-server"},
        {"o.brien", "Kate \"K\" O'Brien", ""},
    };
    for (const records::Learner& learner : learners) {
        auto steady = std::chrono::steady_clock::now();
        Form1 form;
        form.Form_Load();
        records::Recorder recorder(learner,
                                   std::make_unique<testing::LineSink>([](const std::string& line) {
                                       std::printf("%s\n", line.c_str());
                                   }),
                                   {.wall = [] { return std::chrono::system_clock::now(); },
                                    .steady = [&steady] { return steady; }});
        form.SubscribeChecks([&](const CheckOutcome& o) { recorder.Checked(o); });
        form.SubscribeRestarts([&] { recorder.Restarted(); });
        form.mnuCheck_Click();  // the empty board: 0
        for (int s = 0; s < kSlots; ++s) {
            SlotEntry& slot = form.State().Slots[static_cast<std::size_t>(s)];
            slot.Piece = static_cast<std::int16_t>(slot.Expected + kCompounds * s);  // a copy
        }
        Type(form, 0, {"2", "", "3"});
        Type(form, 1, {"1", "2", "1", "1"});
        Type(form, 2, {"1", "2", "1", "2", "2"});
        Type(form, 3, {"2", "4", "2", "4", "4"});
        Type(form, 4,
             {"ένα", "\"}\\\n", "\t", "\xff\xfe", "0123456789012345678901234567890123456789"});
        steady += std::chrono::milliseconds(754321);
        form.mnuCheck_Click();  // all compounds, four reactions' coefficients: 90
        Type(form, 4, {"1", "2", "1", "2", "2"});
        steady += std::chrono::hours(3);
        form.mnuCheck_Click();  // 100
        form.mnuRestart_Click();
        form.mnuCheck_Click();  // 0 again, try 1
    }
    return 0;
}
