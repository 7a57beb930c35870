// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning record and the class report as the command line and the
// administrator ask for them: the options --results-dir, --no-record,
// --report, -o and --csv, the system-wide setting alkynes/alkynes.conf
// (in $XDG_CONFIG_DIRS, by default /etc/xdg), and the recorder wired to
// the window's checks and restarts.  What is recorded, and how, is the
// records/ and report/ libraries' business.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form1/Form1.h"
#include "records/Recorder.h"

namespace alkynes::app {

// The administrator's setting, from the [records] group of the first
// alkynes/alkynes.conf found in the system's configuration folders:
//   enabled=false   no records are kept
//   folder=DIR      the class folder, one <login>.jsonl for each student
struct SystemSetting {
    QString file;  // where it was read, "" when there is none
    bool enabled = true;
    QString folder;
};
SystemSetting ReadSystemSetting();

class RecordOptions {
  public:
    RecordOptions();

    // Adds the options, and the report's files, to the program's parser.
    void AddTo(QCommandLineParser& parser) const;

    // True when the command line asks for the class report, which opens no
    // window and needs no display.
    static bool AsksForReport(int argc, char* argv[]);

    // After the parser has read the command line: ends the program with a
    // message when report options come without --report.
    void Validate(const QCommandLineParser& parser) const;

    // Writes the class report the command line asks for and returns the
    // program's exit status.
    int RunReport(const QCommandLineParser& parser) const;

    // The window's recorder, subscribed to its checks and restarts, as the
    // command line and the setting ask: --no-record turns it off,
    // --results-dir DIR records into the class folder DIR; otherwise the
    // setting decides, and without one the student's own file is used.
    // Null when nothing is recorded.
    std::unique_ptr<records::Recorder> Record(const QCommandLineParser& parser,
                                              Form1& form) const;

  private:
    // Where this user's records go now: the class file in DIR or the own
    // file; none when recording is off.
    std::optional<records::Destination> Destination(const QCommandLineParser& parser,
                                                    const SystemSetting& setting,
                                                    const std::string& login) const;

    QCommandLineOption resultsDir_, noRecord_, report_, output_, csv_;
};

}  // namespace alkynes::app
