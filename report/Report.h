// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The class report, from the learning record's files: one self-contained
// HTML page in Greek (inline CSS and SVG, no script, nothing fetched: its
// own security policy forbids it), or a CSV table for a spreadsheet.
#pragma once

#include <string>
#include <vector>

#include "report/ClassFigures.h"

namespace alkynes::report {

// The page.
std::string Html(const ClassFigures& figures);

// One row for each student, after a header row: login, full name, checks,
// first, best and last grade, and the seconds to the first 100 (empty when
// none came).  Comma-separated, UTF-8, fields quoted where they need it
// (RFC 4180), lines ending in CR LF.
std::string Csv(const ClassFigures& figures);

// Reads the files and folders named, writes the page (or with `csv` the
// table) to the file `output`, or to standard output when it is "".  Files
// that cannot be read are told on standard error and in the page; the
// result is the program's exit status: 1 only when the report could not
// be written.
int WriteReport(const std::vector<std::string>& paths, const std::string& output, bool csv);

// How long, as the report writes it: "4:05", "1:02:05".
std::string Clock(records::Centiseconds length);

}  // namespace alkynes::report
