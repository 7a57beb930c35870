// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The record's files for real: modes, failing places, lines cut short, a
// reader that skips what it cannot read, records held while the folder is
// away, a file size limit reached mid-write, and many processes appending
// at once or killed in the middle of their checks.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "form1/Form1.h"
#include "records/Recorder.h"
#include "testing/Records.h"

namespace alkynes::records {
namespace {

namespace fs = std::filesystem;

using testing::TempFolder;
const Exercise& kExercise = testing::kSampleExercise;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Spit(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

unsigned Mode(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// A record of its own: `login`'s check `n`, and its statement line.
CheckRecord Record(const std::string& login, int n) {
    CheckRecord record;
    record.id = login + "-" + std::to_string(n);
    record.login = login;
    record.timestamp = "2026-12-09T19:52:12.345+02:00";
    record.attemptTry = n + 1;
    record.score = n % 101;
    return record;
}

std::string Line(const std::string& login, int n) {
    return StatementLine(Record(login, n), kExercise);
}

std::vector<std::string> Ids(const ReadResult& read) {
    std::vector<std::string> ids;
    for (const CheckRecord& record : read.records) {
        ids.push_back(record.id);
    }
    return ids;
}

// Runs `child` in a process of its own.
pid_t Start(const std::function<int()>& child) {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(child());
    }
    return pid;
}

// Waits for the process; returns its exit status, or minus the signal that
// ended it.
int Finish(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

class ModeTest : public ::testing::TestWithParam<mode_t> {};

TEST_P(ModeTest, OwnFilesAre0600AndClassFiles0640WhateverTheUmask) {
    TempFolder temp;
    const mode_t before = umask(GetParam());
    const Destination own = OwnFile(temp / "data/share");
    const Destination theirs = ClassFile(temp.path(), "maria");
    EXPECT_EQ(AppendToFile(own, Line("maria", 1) + "\n"), 0);
    EXPECT_EQ(AppendToFile(theirs, Line("maria", 1) + "\n"), 0);
    umask(before);
    EXPECT_EQ(own.path, temp / "data/share/alkynes/results.jsonl");
    EXPECT_EQ(Mode(own.path), 0600u);
    EXPECT_EQ(Mode(temp / "data/share/alkynes"), 0700u & ~GetParam());
    EXPECT_EQ(theirs.path, temp / "maria.jsonl");
    EXPECT_EQ(Mode(theirs.path), 0640u);
    // A file that is there keeps the mode it has.
    chmod(theirs.path.c_str(), 0644);
    EXPECT_EQ(AppendToFile(theirs, Line("maria", 2) + "\n"), 0);
    EXPECT_EQ(Mode(theirs.path), 0644u);
}

INSTANTIATE_TEST_SUITE_P(Umasks, ModeTest, ::testing::Values(0, 022, 027, 077));

TEST(Files, ALoginThatCouldNameAnotherFileIsNotUsedAsAName) {
    const std::string uid = "/class/uid-" + std::to_string(getuid()) + ".jsonl";
    for (const char* login : {"", ".", "..", "../teacher", "a/b"}) {
        EXPECT_EQ(ClassFile("/class", login).path, uid) << login;
    }
    EXPECT_EQ(ClassFile("/class", "maria.k").path, "/class/maria.k.jsonl");
}

TEST(Files, APlaceThatCannotBeWrittenIsToldAndLeftAsItWas) {
    TempFolder temp;
    fs::create_directory(temp / "folder.jsonl");
    Spit(temp / "target", "teacher's\n");
    fs::create_symlink(temp / "target", temp / "link.jsonl");
    const struct {
        const char* what;
        Destination to;
        int error;
        const char* said;
    } cases[] = {
        {"a class folder that is not there", ClassFile(temp / "gone", "maria"), ENOENT,
         "ο φάκελος δεν υπάρχει"},
        {"a folder where the file should be", ClassFile(temp.path(), "folder"), EISDIR,
         "στη θέση του αρχείου υπάρχει φάκελος"},
        {"a link where the file should be", ClassFile(temp.path(), "link"), ELOOP,
         "στη θέση του αρχείου υπάρχει σύνδεσμος"},
        {"a full disk", {.path = "/dev/full"}, ENOSPC, "ο δίσκος γέμισε"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AppendToFile(c.to, Line("maria", 1) + "\n"), c.error) << c.what;
        EXPECT_NE(messages::CannotWrite(c.to.path, c.error).find(c.said), std::string::npos)
            << c.what;
    }
    EXPECT_FALSE(fs::exists(temp / "gone"));
    EXPECT_EQ(Slurp(temp / "target"), "teacher's\n");
}

TEST(Reader, SkipsAndCountsWhatItCannotReadAndGoesOn) {
    TempFolder temp;
    fs::create_directory(temp / "class");
    const std::string good = Line("eleni", 1);
    std::string other = good;
    other.replace(other.find("verbs/answered"), 14, "verbs/attempted");
    // One file of every kind of line, another file, and what is no record.
    Spit(temp / "class/eleni.jsonl",
         good + "\n" +                                 // read
             good.substr(0, good.size() - 9) + "\n" +  // cut short: bad
             "{\"not\": \"a statement\"}\n" +          // bad
             other + "\n" +                            // another verb: bad
             "\n   \n" +                               // blank lines: passed over
             "\xff\xfe garbage\n" +                    // bad
             good + "\r\n" +                           // the same statement again: once
             Line("eleni", 2));                        // last line without its line feed: read
    Spit(temp / "class/nikos.jsonl", Line("nikos", 1) + "\n");
    Spit(temp / "class/notes.txt", "not a record file\n");
    fs::create_directory(temp / "class/old.jsonl");
    // A line cut short by a kill mid-write stays a line of its own (bad):
    // the next append ends it first.
    Spit(temp / "class/petros.jsonl", Line("petros", 1) + "\n" + Line("petros", 2).substr(0, 99));
    ASSERT_EQ(AppendToFile(ClassFile(temp / "class", "petros"), Line("petros", 3) + "\n"), 0);

    const ReadResult read =
        ReadRecords({temp / "class", temp / "missing.jsonl", temp / "class/nikos.jsonl"});
    EXPECT_EQ(Ids(read),
              (std::vector<std::string>{"eleni-1", "eleni-2", "nikos-1", "petros-1", "petros-3"}));
    EXPECT_EQ(read.badLines, 5);
    EXPECT_EQ(read.unreadable, std::vector<std::string>{temp / "missing.jsonl"});
}

// The writer, with what it says kept.
struct Told {
    std::vector<std::string> said;
    RecordWriter::Say Say() {
        return [this](const std::string& m) { said.push_back(m); };
    }
};

TEST(Writer, SaysAtTheEndWhatCouldNotBeWritten) {
    TempFolder temp;
    const Destination to = ClassFile(temp / "gone", "maria");
    Told told;
    {
        RecordWriter writer(to, kExercise, told.Say());
        writer.Append(Record("maria", 1));
        writer.Append(Record("maria", 2));
    }
    EXPECT_EQ(told.said, (std::vector<std::string>{messages::CannotWrite(to.path, ENOENT),
                                                   messages::Lost(to.path, 2)}));
}

TEST(Writer, ADiskThatDoesNotAnswerNeverHoldsUpTheChecks) {
    // Another program holds the file's lock and never lets go, as a hung
    // network file system would hold the write.
    TempFolder temp;
    const Destination to = ClassFile(temp.path(), "maria");
    const int holder = open(to.path.c_str(), O_RDWR | O_CREAT, 0640);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    Told told;
    {
        RecordWriter writer(to, kExercise, told.Say(), std::chrono::milliseconds(200));
        for (int n = 0; n < 100; ++n) {
            writer.Append(Record("maria", n));  // returns: the check goes on
        }
    }  // gives up waiting
    ASSERT_FALSE(told.said.empty());
    EXPECT_NE(told.said.back().find("χάνονται"), std::string::npos) << told.said.back();
    close(holder);  // the abandoned writer may finish now; the file stays whole
    for (int wait = 0; wait < 100 && ReadRecords({to.path}).records.empty(); ++wait) {
        usleep(20000);
    }
    EXPECT_EQ(ReadRecords({to.path}).badLines, 0);
}

// Sets the process's file size limit, up to its hard limit.
void LimitFileSize(rlim_t bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = std::min(bytes, limit.rlim_max);
    setrlimit(RLIMIT_FSIZE, &limit);
}

// What keeps the writer from its class folder for a while, and what lets
// it write again.
const struct Obstacle {
    const char* what;
    int error;
    int before;  // records written before it
    void (*raise)(const std::string& folder);
    void (*lift)(const std::string& folder);
} kObstacles[] = {
    {"the network folder goes away", ENOENT, 1,
     [](const std::string& folder) { fs::rename(folder, folder + ".away"); },
     [](const std::string& folder) { fs::rename(folder + ".away", folder); }},
    {"a read-only folder", EACCES, 0,
     [](const std::string& folder) { chmod(folder.c_str(), 0555); },
     [](const std::string& folder) { chmod(folder.c_str(), 0755); }},
    {"a file size limit that leaves room for a hundred bytes: the next line is cut in the middle",
     EFBIG, 1,
     [](const std::string& folder) { LimitFileSize(fs::file_size(folder + "/maria.jsonl") + 100); },
     [](const std::string&) { LimitFileSize(RLIM_INFINITY); }},
};

TEST(Writer, HoldsTheRecordsWhileItCannotWriteAndWritesThemWithTheNextOne) {
    for (const Obstacle& obstacle : kObstacles) {
        SCOPED_TRACE(obstacle.what);
        TempFolder temp;
        const std::string folder = temp / "class";
        const Destination to = ClassFile(folder, "maria");
        // In a process of its own, as an unprivileged user where the tests
        // run as root (whom permissions do not stop).
        const int status = Finish(Start([&] {
            constexpr uid_t kNobody = 65534;
            if (geteuid() == 0 && (chown(temp.path().c_str(), kNobody, kNobody) != 0 ||
                                   setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
                return 90;
            }
            fs::create_directory(folder);
            Told told;
            {
                RecordWriter writer(to, kExercise, told.Say());
                int n = 0;
                const auto append = [&](int records) {
                    while (records-- > 0) {
                        writer.Append(Record("maria", ++n));
                    }
                    return writer.Settle();  // how many wait
                };
                if (append(obstacle.before) != 0) {
                    return 1;
                }
                const std::string written = Slurp(to.path);
                obstacle.raise(folder);
                if (append(2) != 2) {
                    return 2;
                }
                obstacle.lift(folder);
                if (Slurp(to.path) != written || append(1) != 0) {
                    return 3;  // the file changed, or was not written
                }
            }
            const std::vector<std::string> said{messages::CannotWrite(to.path, obstacle.error),
                                                messages::WrittenAtLast(to.path, 3)};
            return told.said == said ? 0 : 4;
        }));
        EXPECT_EQ(status, 0);
        const ReadResult read = ReadRecords({to.path});
        std::vector<std::string> ids;
        for (int n = 1; n <= obstacle.before + 3; ++n) {
            ids.push_back("maria-" + std::to_string(n));
        }
        EXPECT_EQ(Ids(read), ids);
        EXPECT_EQ(read.badLines, 0);
    }
}

TEST(Processes, ThirtyAppendingAtOnceToOneClassFolderLoseAndMixNothing) {
    // Fifteen students with two windows each: thirty processes, two to a
    // file, all released at the same moment.
    constexpr int kProcesses = 30;
    constexpr int kRecords = 40;
    TempFolder temp;
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        children.push_back(Start([&] {
            close(gate[1]);
            char go;
            if (read(gate[0], &go, 1) != 0) {
                return 1;
            }
            const std::string login = "s" + std::to_string(p / 2);
            RecordWriter writer(ClassFile(temp.path(), login), kExercise);
            for (int n = 0; n < kRecords; ++n) {
                writer.Append(Record(login, p * 1000 + n));
                if (n % 8 == 0) {
                    writer.Settle();  // some one by one, some in batches
                }
            }
            return writer.Settle() == 0 ? 0 : 2;
        }));
    }
    close(gate[0]);
    close(gate[1]);  // go
    for (pid_t child : children) {
        EXPECT_EQ(Finish(child), 0);
    }
    for (int s = 0; s < kProcesses / 2; ++s) {
        const std::string file = temp / ("s" + std::to_string(s) + ".jsonl");
        const ReadResult read = ReadRecords({file});
        EXPECT_EQ(read.badLines, 0) << file;
        EXPECT_EQ(Mode(file), 0640u);
        std::map<int, std::vector<int>> byProcess;  // each one's records, in the file's order
        for (const CheckRecord& record : read.records) {
            const int n = std::stoi(record.id.substr(record.id.find('-') + 1));
            byProcess[n / 1000].push_back(n % 1000);
        }
        std::vector<int> all(kRecords);
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(byProcess, (std::map<int, std::vector<int>>{{2 * s, all}, {2 * s + 1, all}}))
            << file;
    }
}

TEST(Processes, AWindowKilledInTheMiddleOfItsChecksLeavesAFileThatReads) {
    // A window checks and restarts as fast as it can, recording each check,
    // and is killed at a random moment; then the next one, ten times.
    TempFolder temp;
    const Destination to = ClassFile(temp.path(), "maria");
    std::mt19937 random(std::random_device{}());
    constexpr int kKills = 10;
    for (int k = 0; k < kKills; ++k) {
        const pid_t child = Start([&] {
            Form1 form;
            form.Form_Load();
            Recorder recorder({"maria", "Μαρία", "lab"},
                              std::make_unique<RecordWriter>(to, kExercise));
            form.SubscribeChecks([&](const CheckOutcome& o) { recorder.Checked(o); });
            form.SubscribeRestarts([&] { recorder.Restarted(); });
            for (int n = 0;; ++n) {
                form.Model().tCoefficient(n % design::kBoxes).Text = std::to_string(n);
                form.mnuCheck_Click();
                if (n % 3 == 2) {
                    form.mnuRestart_Click();
                }
            }
            return 0;
        });
        usleep(20000 + random() % 80000);
        kill(child, SIGKILL);
        EXPECT_EQ(Finish(child), -SIGKILL);
        // A window killed before its first record was written leaves no
        // file yet; one that is there always reads.
        if (!fs::exists(to.path)) {
            continue;
        }
        const ReadResult read = ReadRecords({to.path});
        EXPECT_LE(read.badLines, k + 1) << "at most the line of each kill is cut short";
        EXPECT_TRUE(read.unreadable.empty());
    }
    const ReadResult read = ReadRecords({to.path});
    EXPECT_GT(read.records.size(), 0u);
    for (const CheckRecord& record : read.records) {
        EXPECT_EQ(record.login, "maria");
        EXPECT_GE(record.attemptTry, 1);
        EXPECT_LE(record.attemptTry, 3);
    }
    // Every line but the cut ones is a whole statement.
    const std::string content = Slurp(to.path);
    EXPECT_EQ(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) +
                  (content.empty() || content.back() == '\n' ? 0 : 1),
              read.records.size() + static_cast<std::size_t>(read.badLines));
}

}  // namespace
}  // namespace alkynes::records
