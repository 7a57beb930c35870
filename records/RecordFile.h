// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The files of the learning record: JSON Lines, UTF-8, one statement to a
// line, each line ending in a line feed.  A student's own file is
// $XDG_DATA_HOME/alkynes/results.jsonl (mode 0600); in a class folder each
// login has its own <login>.jsonl (mode 0640, for the folder's group).
//
// Every record goes to its file in one append under an exclusive lock on
// the file, and then to the disk, so two programs of one student writing
// at once never mix or lose lines; a reader takes the shared lock.  A line
// cut short (a program killed mid-write, a full disk) stays a line of its
// own: the next append first ends it.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "records/CheckRecord.h"

namespace alkynes::records {

struct Destination {
    std::string path;
    mode_t mode = 0600;       // of the file when it is created
    bool makeFolder = false;  // create its folder (mode 0700) when missing
};

// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share; "" when neither is known.
std::string DataHome();

// <data home>/alkynes/results.jsonl, mode 0600; its folder is made when
// missing.
Destination OwnFile(const std::string& dataHome);

// <folder>/<login>.jsonl, mode 0640.  A missing class folder is never
// made: it may be a network folder that is not mounted now.
Destination ClassFile(const std::string& folder, const std::string& login);

// Appends `lines` (whole lines, each ending in '\n') to the file in one
// append under its lock, then flushes it to the disk.  Returns 0, or the
// errno of what failed; then the file is as it was before.
int AppendToFile(const Destination& to, std::string_view lines);

// What the files held.
struct ReadResult {
    std::vector<CheckRecord> records;     // in the order read, each statement once
    int badLines = 0;                     // lines that were no readable statement
    std::vector<std::string> unreadable;  // paths that could not be read at all
};

// Reads every file named, and every *.jsonl file of every folder named (in
// the order of their names).  A line that is cut short, corrupt or of
// another form is counted and passed over; a statement met again (the same
// id, as in a copy of a file) is taken once.
ReadResult ReadRecords(const std::vector<std::string>& paths);

}  // namespace alkynes::records
