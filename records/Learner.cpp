// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/Learner.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace alkynes::records {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return "";
    }
    return name;
}

}  // namespace

Learner CurrentLearner() {
    Learner learner;
    learner.host = HostName();
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr) {
        learner.login = entry.pw_name != nullptr ? entry.pw_name : "";
        const std::string gecos = entry.pw_gecos != nullptr ? entry.pw_gecos : "";
        learner.name = gecos.substr(0, gecos.find(','));
    }
    for (const char* variable : {"LOGNAME", "USER"}) {
        if (learner.login.empty()) {
            learner.login = Environment(variable);
        }
    }
    if (learner.login.empty()) {
        learner.login = std::to_string(getuid());
    }
    return learner;
}

std::string ClassFileName(const std::string& login) {
    if (login.empty() || login == "." || login == ".." ||
        login.find('/') != std::string::npos || login.find('\0') != std::string::npos) {
        return "uid-" + std::to_string(getuid()) + ".jsonl";
    }
    return login + ".jsonl";
}

}  // namespace alkynes::records
