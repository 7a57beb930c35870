// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/RecordFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>
#include <unordered_set>

#include "records/Learner.h"
#include "records/Statement.h"

namespace alkynes::records {
namespace {

namespace fs = std::filesystem;

// Retries a system call that a signal interrupted.
template <typename Call>
auto Retry(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

// Opens the file for appending (and for reading its last byte), creating it
// with exactly `mode` (whatever the umask) when it is not there.  Never
// follows a symbolic link: in a shared folder a link could point anywhere.
int OpenForAppend(const Destination& to) {
    constexpr int kFlags = O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int created =
            Retry([&] { return open(to.path.c_str(), kFlags | O_CREAT | O_EXCL, to.mode); });
        if (created >= 0) {
            fchmod(created, to.mode);
            return created;
        }
        if (errno != EEXIST) {
            return -1;
        }
        const int existing = Retry([&] { return open(to.path.c_str(), kFlags); });
        if (existing >= 0 || errno != ENOENT) {
            return existing;
        }
        // Removed in between: create it again.
    }
    return -1;
}

void MakeFolders(const fs::path& folder) {
    std::error_code error;
    if (folder.empty() || fs::is_directory(folder, error)) {
        return;
    }
    MakeFolders(folder.parent_path());
    mkdir(folder.c_str(), 0700);
}

// Writes all of `data` at the file's end, the lock held.
int WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = Retry([&] { return write(fd, data.data(), data.size()); });
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            return EIO;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The append itself, with the file open and locked: the file grows by
// `lines` (after a line feed, if its last line was cut short) or stays as
// it was.
int AppendLocked(int fd, std::string_view lines) {
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        return errno;
    }
    std::string data;
    char last = '\n';
    if (status.st_size > 0 && Retry([&] { return pread(fd, &last, 1, status.st_size - 1); }) != 1) {
        return errno != 0 ? errno : EIO;
    }
    if (last != '\n') {
        data += '\n';
    }
    data += lines;
    int error = WriteAll(fd, data);
    if (error == 0 && fdatasync(fd) != 0) {
        error = errno;
    }
    if (error != 0) {
        // Cut off what got in, so that the lines go again whole.
        Retry([&] { return ftruncate(fd, status.st_size); });
    }
    return error;
}

// The whole content of a file, read under its shared lock when that comes
// soon (a writer holds the lock only for one append).
std::optional<std::string> ReadWhole(const std::string& path) {
    const int fd = Retry([&] { return open(path.c_str(), O_RDONLY | O_CLOEXEC); });
    if (fd < 0) {
        return std::nullopt;
    }
    for (int wait = 0; wait < 50 && flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
         ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::string content;
    char buffer[1 << 16];
    ssize_t n = 0;
    while ((n = Retry([&] { return read(fd, buffer, sizeof buffer); })) > 0) {
        content.append(buffer, static_cast<std::size_t>(n));
    }
    const bool complete = n == 0;
    close(fd);  // which also ends the lock
    if (!complete) {
        return std::nullopt;
    }
    return content;
}

void ReadFile(const std::string& path, std::unordered_set<std::string>& seen, ReadResult& into) {
    const std::optional<std::string> content = ReadWhole(path);
    if (!content) {
        into.unreadable.push_back(path);
        return;
    }
    std::string_view rest = *content;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) {
            continue;
        }
        std::optional<CheckRecord> record = ReadStatement(line);
        if (!record) {
            ++into.badLines;
        } else if (seen.insert(record->id).second) {
            into.records.push_back(std::move(*record));
        }
    }
}

}  // namespace

std::string DataHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') {
        return data;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.local/share";
    }
    return "";
}

Destination OwnFile(const std::string& dataHome) {
    return {.path = dataHome + "/alkynes/results.jsonl", .mode = 0600, .makeFolder = true};
}

Destination ClassFile(const std::string& folder, const std::string& login) {
    return {.path = (fs::path(folder) / ClassFileName(login)).string(),
            .mode = 0640,
            .makeFolder = false};
}

int AppendToFile(const Destination& to, std::string_view lines) {
    if (to.makeFolder) {
        MakeFolders(fs::path(to.path).parent_path());
    }
    const int fd = OpenForAppend(to);
    if (fd < 0) {
        return errno;
    }
    int error = Retry([&] { return flock(fd, LOCK_EX); }) == 0 ? AppendLocked(fd, lines) : errno;
    // A network file system may tell of a failed write only now.
    if (close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    return error;
}

ReadResult ReadRecords(const std::vector<std::string>& paths) {
    ReadResult result;
    std::unordered_set<std::string> seen;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            ReadFile(path, seen, result);
            continue;
        }
        std::vector<std::string> files;
        for (fs::directory_iterator it(path, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code kind;
            if (it->path().extension() == ".jsonl" && !it->is_directory(kind)) {
                files.push_back(it->path().string());
            }
        }
        if (error) {
            result.unreadable.push_back(path);
        }
        std::sort(files.begin(), files.end());
        for (const std::string& file : files) {
            ReadFile(file, seen, result);
        }
    }
    return result;
}

}  // namespace alkynes::records
