// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Who is doing the exercise, and on which machine, as the system knows it.
#pragma once

#include <string>

namespace alkynes::records {

struct Learner {
    std::string login;  // the account's name
    std::string name;   // the full name, "" where the system knows none
    std::string host;   // the machine's name
};

// The user the program runs as: the login and the full name from the
// system's user database (the first field of its comment, as `finger`
// shows it), or from LOGNAME or USER when the database does not know the
// user; the uid in decimal as the last resort.
Learner CurrentLearner();

// A file name for the records of `login` in a class folder:
// "<login>.jsonl"; a login that could name another file (empty, ".", "..",
// or holding a "/") gives "uid-<uid>.jsonl" instead.
std::string ClassFileName(const std::string& login);

}  // namespace alkynes::records
