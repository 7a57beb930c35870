// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// One check as the learning record keeps it: who checked, where and when,
// which try of the attempt it was and how long the attempt had lasted, the
// grade, and what each blank, coefficient box and method text showed.  The
// recorder fills it in from what the check found; the class report reads
// it back from the statements.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Board.h"
#include "core/Check.h"
#include "model/Design.h"
#include "records/Time.h"

namespace alkynes::records {

// A box's text is kept to this many characters.
inline constexpr std::size_t kTypedLimit = 32;

// How a coefficient box fared in a check.
enum class Judged : std::uint8_t { Right, Wrong, Empty };

struct BlankResult {
    std::string placed;  // the formula of the compound it held, "" for none
    bool right = false;  // it held a right compound (and keeps it)
    friend bool operator==(const BlankResult&, const BlankResult&) = default;
};

struct BoxResult {
    std::string typed;  // at most kTypedLimit characters
    Judged judged = Judged::Empty;
    friend bool operator==(const BoxResult&, const BoxResult&) = default;
};

struct CheckRecord {
    std::string id;     // the statement's UUID
    std::string login;  // the account
    std::string name;   // the full name, "" where the system knows none
    std::string host;   // the machine's name
    std::string timestamp;
    Milliseconds time{0};  // the timestamp's moment (read back from it)
    int attemptTry = 0;    // 1 for the first check since the start or a restart
    Centiseconds duration{0};  // since the start or the restart
    int score = 0;
    std::array<BlankResult, kSlots> blanks{};
    std::array<BoxResult, design::kBoxes> boxes{};
    std::array<bool, design::kMethodLabels> revealed{};
    friend bool operator==(const CheckRecord&, const CheckRecord&) = default;
};

// How box j fared: right when the check judged its reaction's coefficients
// right (an unwritten coefficient counts as 1 there, so even an empty box
// can be right); otherwise empty when the box was hidden or held no
// coefficient (nothing, or only spaces); wrong otherwise.
Judged JudgeBox(const CheckOutcome& outcome, int j);

// What the check found, in the record's terms: the grade, the blanks, the
// boxes (their texts cut to kTypedLimit characters) and the method texts
// showing after it.  Who, where, when and which try are left to the
// recorder.
CheckRecord Describe(const CheckOutcome& outcome);

// `text` cut after `limit` characters (UTF-8 sequences are kept whole).
std::string FirstCharacters(const std::string& text, std::size_t limit);

}  // namespace alkynes::records
