// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/Report.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace alkynes::report {
namespace {

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

int WriteReport(const std::vector<std::string>& paths, const std::string& output, bool csv) {
    const records::ReadResult read = records::ReadRecords(paths);
    for (const std::string& path : read.unreadable) {
        std::fprintf(stderr, "alkynes: δεν διαβάζεται το «%s».\n", path.c_str());
    }
    const ClassFigures figures = Summarize(read);
    const std::string text = csv ? Csv(figures) : Html(figures);
    if (output.empty()) {
        return WriteAll(STDOUT_FILENO, text) ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    // The report names students and their grades: a new file is the
    // teacher's alone.
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const bool written = fd >= 0 && WriteAll(fd, text) && close(fd) == 0;
    if (!written) {
        std::fprintf(stderr, "alkynes: η αναφορά δεν γράφτηκε στο «%s».\n", output.c_str());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

}  // namespace alkynes::report
