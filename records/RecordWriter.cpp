// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/RecordWriter.h"

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <iterator>
#include <mutex>
#include <vector>

namespace alkynes::records {

struct RecordWriter::State {
    Destination to;
    Exercise exercise;
    Say say;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<CheckRecord> fresh;   // handed over, not made into lines yet
    std::deque<std::string> waiting;  // lines not written yet, oldest first
    std::size_t handed = 0;           // records handed over
    std::size_t tried = 0;            // records handed over before the last try
    bool work = false;                // something new to try
    bool stop = false;
    bool finished = false;
    bool failing = false;    // the last try failed, and it was said
    bool abandoned = false;  // the program ends without waiting any longer

    void Tell(const std::string& message) {
        if (!abandoned) {
            say(message);
        }
    }

    // The writer's thread: one try for every batch of new lines, and a
    // last one when stopping.
    void Run() {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return work || stop; });
            work = false;
            const std::size_t upTo = handed;
            MakeLines(lock);
            if (!waiting.empty()) {
                Try(lock);
            }
            tried = upTo;
            changed.notify_all();
            if (stop) {
                break;
            }
        }
        if (!waiting.empty() || !fresh.empty()) {
            Tell(messages::Lost(to.path, waiting.size() + fresh.size()));
        }
        finished = true;
        changed.notify_all();
    }

    // The statements of the records handed over, made with the lock
    // released.
    void MakeLines(std::unique_lock<std::mutex>& lock) {
        std::vector<CheckRecord> records;
        records.swap(fresh);
        lock.unlock();
        std::vector<std::string> lines;
        lines.reserve(records.size());
        for (const CheckRecord& record : records) {
            lines.push_back(StatementLine(record, exercise));
        }
        lock.lock();
        waiting.insert(waiting.end(), std::make_move_iterator(lines.begin()),
                       std::make_move_iterator(lines.end()));
    }

    // Writes everything waiting in one append, the lock released meanwhile.
    void Try(std::unique_lock<std::mutex>& lock) {
        std::string lines;
        for (const std::string& line : waiting) {
            lines += line;
            lines += '\n';
        }
        const std::size_t count = waiting.size();
        lock.unlock();
        const int error = AppendToFile(to, lines);
        lock.lock();
        if (error == 0) {
            waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(count));
            if (failing) {
                Tell(messages::WrittenAtLast(to.path, count));
            }
            failing = false;
        } else if (!failing) {
            Tell(messages::CannotWrite(to.path, error));
            failing = true;
        }
    }
};

RecordWriter::RecordWriter(Destination to, Exercise exercise, Say say,
                           std::chrono::milliseconds lastWait)
    : state_(std::make_shared<State>()), lastWait_(lastWait) {
    std::signal(SIGXFSZ, SIG_IGN);
    state_->to = std::move(to);
    state_->exercise = std::move(exercise);
    state_->say = say ? std::move(say) : [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
    };
}

RecordWriter::~RecordWriter() {
    if (!thread_.joinable()) {
        return;
    }
    std::unique_lock lock(state_->mutex);
    state_->stop = true;
    state_->changed.notify_all();
    if (state_->changed.wait_for(lock, lastWait_, [this] { return state_->finished; })) {
        lock.unlock();
        thread_.join();
        return;
    }
    // The disk does not answer: the thread keeps its state alive and ends
    // with the program, silent from now on.
    state_->say(messages::Lost(state_->to.path, state_->waiting.size() + state_->fresh.size()));
    state_->abandoned = true;
    lock.unlock();
    thread_.detach();
}

void RecordWriter::Append(CheckRecord record) {
    {
        const std::lock_guard lock(state_->mutex);
        state_->fresh.push_back(std::move(record));
        ++state_->handed;
        state_->work = true;
    }
    state_->changed.notify_all();
    if (!thread_.joinable()) {
        thread_ = std::thread([state = state_] { state->Run(); });
    }
}

std::size_t RecordWriter::Settle() {
    std::unique_lock lock(state_->mutex);
    if (thread_.joinable()) {
        const std::size_t handed = state_->handed;
        state_->changed.wait(lock, [&] { return state_->tried >= handed || state_->finished; });
    }
    return state_->waiting.size() + state_->fresh.size();
}

namespace messages {
namespace {

std::string Reason(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return "ο φάκελος δεν υπάρχει";
        case EACCES:
        case EPERM:
            return "δεν επιτρέπεται η εγγραφή εκεί";
        case EROFS:
            return "ο δίσκος είναι μόνο για ανάγνωση";
        case ENOSPC:
            return "ο δίσκος γέμισε";
        case EDQUOT:
            return "γέμισε ο χώρος που έχει ο χρήστης στον δίσκο";
        case EFBIG:
            return "το αρχείο έφτασε το μεγαλύτερο επιτρεπτό μέγεθος";
        case EISDIR:
            return "στη θέση του αρχείου υπάρχει φάκελος";
        case ELOOP:
            return "στη θέση του αρχείου υπάρχει σύνδεσμος";
        case EIO:
        case ESTALE:
        case ENOTCONN:
        case ETIMEDOUT:
        case EHOSTDOWN:
        case EHOSTUNREACH:
            return "ο δίσκος δεν απαντά";
        default:
            return "σφάλμα συστήματος αριθμός " + std::to_string(error);
    }
}

std::string Checks(std::size_t n) {
    return n == 1 ? "1 έλεγχος" : std::to_string(n) + " έλεγχοι";
}

}  // namespace

std::string CannotWrite(const std::string& path, int error) {
    return "alkynes: τα αποτελέσματα δεν γράφονται στο «" + path + "»: " + Reason(error) +
           ". Οι έλεγχοι κρατιούνται στη μνήμη και θα γραφτούν μόλις γίνει δυνατό.";
}

std::string WrittenAtLast(const std::string& path, std::size_t records) {
    return "alkynes: γράφτηκαν τελικά στο «" + path + "» όσοι έλεγχοι περίμεναν (" +
           Checks(records) + ").";
}

std::string Lost(const std::string& path, std::size_t records) {
    return "alkynes: " + Checks(records) + " δεν " + (records == 1 ? "γράφτηκε" : "γράφτηκαν") +
           " στο «" + path + "» και " + (records == 1 ? "χάνεται" : "χάνονται") + ".";
}

}  // namespace messages
}  // namespace alkynes::records
