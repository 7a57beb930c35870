// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <chrono>
#include <string_view>

#include "report/Report.h"

namespace alkynes::report {
namespace {

// A field as RFC 4180 has it: quoted when it holds a comma, a quote or a
// line break, its quotes doubled.  A name is what its owner typed (chfn):
// one that a spreadsheet would take for a formula gets a leading quote.
std::string Field(std::string text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string::npos) {
        text.insert(0, "'");
    }
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string Csv(const ClassFigures& figures) {
    std::string table =
        "Όνομα χρήστη,Ονοματεπώνυμο,Έλεγχοι,Πρώτος βαθμός,Καλύτερος βαθμός,Τελευταίος βαθμός,"
        "Δευτερόλεπτα ως το 100\r\n";
    for (const StudentRow& row : figures.students) {
        table += Field(row.login) + "," + Field(row.name) + "," + std::to_string(row.checks) +
                 "," + std::to_string(row.first) + "," + std::to_string(row.best) + "," +
                 std::to_string(row.last) + ",";
        if (row.toFull) {
            table += std::to_string(std::chrono::floor<std::chrono::seconds>(*row.toFull).count());
        }
        table += "\r\n";
    }
    return table;
}

}  // namespace alkynes::report
